#include "plugin_call.h"

#include "host_services.h"

// Buffers the host hands over; static so that a call allocates nothing.
static char command[16];
static char reply[16];

int CallPluginFit(const PluginModule* plugin, HWND window, int width, int height) {
  HostReportSize(width, height);
  lstrcpyA(command, "AdjustWindow");
  int status = 0;
  plugin->main(NULL, window, command, &status, reply);
  return status;
}

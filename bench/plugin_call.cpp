#include "plugin_call.h"

#include "host_services.h"
#include "timing.h"

// Buffers the host hands over; static so that a call allocates nothing.
static char command[16];
static char reply[16];

int CallPluginFit(const PluginModule* plugin, HWND window, int width, int height,
                  long long* ticks) {
  HostReportSize(width, height);
  lstrcpyA(command, "AdjustWindow");
  int status = 0;
  long long start = Ticks();
  plugin->main(NULL, window, command, &status, reply);
  if (ticks != NULL) *ticks = Ticks() - start;
  return status;
}

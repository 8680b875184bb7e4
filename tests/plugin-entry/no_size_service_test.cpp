// A host that exports none of its services, so the plug-in has no size to
// fit to: every call answers with the empty reply and status 0, leaves the
// command and the window untouched, sleeps never and returns 0.
#include <string.h>
#include <windows.h>

#include "entry_harness.h"
#include "host_window.h"
#include "ok.h"

int main(void) {
  PluginModule plugin = LoadCountedPlugin();
  if (plugin.main == NULL) return OkFinish("no_size_service_test");
  HWND window = HarnessWindow();
  static const char* const kCommands[] = {"AdjustWindow", "a|b|AdjustWindow", "x|y", ""};
  for (const char* text : kCommands) {
    OkContext("command \"%s\"", text);
    ResetWindow(window);
    char command[32];
    strcpy(command, text);
    int status = 7;
    char reply[4] = "XX";
    int returned = plugin.main(NULL, window, command, &status, reply);
    HostDrainMessages();
    RECT rect = HostWindowRect(window);
    ok(returned == 0, "returned %d, expected 0", returned);
    ok(status == 0, "status %d, expected 0", status);
    ok(reply[0] == '\0', "reply starts with %#x, expected 0", (unsigned char)reply[0]);
    ok(strcmp(command, text) == 0, "command became \"%s\"", command);
    ok(sleepCalls == 0, "%ld sleeps, expected 0", sleepCalls);
    ok(rect.left == 40 && rect.top == 30 && rect.right == 440 && rect.bottom == 330,
       "window at (%ld,%ld,%ld,%ld), expected it untouched at (40,30,440,330)", rect.left,
       rect.top, rect.right, rect.bottom);
  }
  OkClearContext();
  plugin.main(NULL, window, NULL, NULL, NULL);
  ok(1, "null command, status and reply");
  return OkFinish("no_size_service_test");
}

// A stand-in host engine that shows what the plug-in does: it loads
// clientfit.dll from its own folder, reports a window size, sends one
// command, and prints and screenshots the window before and after.
// Usage: demo_host [WIDTHxHEIGHT [COMMAND [OUTPUT-FOLDER]]]
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "demo_window.h"
#include "host_services.h"
#include "host_window.h"
#include "plugin_module.h"
#include "window_capture.h"

#if defined(CLIENTFIT_STDCALL)
static const char kCallConv[] = "stdcall";
#else
static const char kCallConv[] = "cdecl";
#endif

// Prints the window's outer rectangle and client size under a label.
static void PrintWindowState(const char* label, HWND window) {
  RECT outer = HostWindowRect(window);
  SIZE client = HostClientSize(window);
  printf("%-7s window (%ld,%ld)-(%ld,%ld), %ld x %ld; client %ld x %ld\n", label, outer.left,
         outer.top, outer.right, outer.bottom, outer.right - outer.left, outer.bottom - outer.top,
         client.cx, client.cy);
}

// Lets the window repaint, then saves it as folder\name.
static void Screenshot(HWND window, const char* folder, const char* name) {
  HostDrainMessages();
  char path[MAX_PATH];
  snprintf(path, sizeof path, "%s\\%s", folder, name);
  printf("%-7s %s\n", CaptureWindowPng(window, path) ? "saved" : "FAILED", path);
}

int main(int argc, char** argv) {
  int width = 800, height = 600;
  if (argc > 1 && sscanf(argv[1], "%dx%d", &width, &height) != 2) {
    fprintf(stderr, "usage: demo_host [WIDTHxHEIGHT [COMMAND [OUTPUT-FOLDER]]]\n");
    return 2;
  }
  char command[4096];
  lstrcpynA(command, argc > 2 ? argv[2] : "fade|AdjustWindow", sizeof command);
  const char* folder = argc > 3 ? argv[3] : "demo-output";
  CreateDirectoryA(folder, NULL);

  PluginModule plugin = PluginLoad("clientfit.dll");
  if (plugin.main == NULL) {
    fprintf(stderr, "clientfit.dll not found beside the demo, or not a %s build\n", kCallConv);
    return 1;
  }
  printf("clientfit demo host (%s); command \"%s\"; reported size %d x %d\n", kCallConv, command,
         width, height);
  HWND window = CreateDemoWindow(40, 40, 480, 360);
  PrintWindowState("before", window);
  Screenshot(window, folder, "before.png");

  HostReportSize(width, height);
  int status = -1;
  char reply[256] = "(unwritten)";
  LARGE_INTEGER start, end, frequency;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  int returned = plugin.main(NULL, window, command, &status, reply);
  QueryPerformanceCounter(&end);
  double ms = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
  printf("call    returned %d, status %d, reply \"%s\", took %.2f ms\n", returned, status, reply,
         ms);

  HostDrainMessages();
  PrintWindowState("after", window);
  Screenshot(window, folder, "after.png");

  SIZE client = HostClientSize(window);
  bool exact = client.cx == width && client.cy == height;
  if (status == 1)
    printf("result  client area %ld x %ld: %s\n", client.cx, client.cy,
           exact ? "exact" : "NOT the reported size");
  else
    printf("result  no token asked for a fit; window left as it was\n");
  DestroyWindow(window);
  return status == 1 && !exact ? 1 : 0;
}

#include "window_kinds.h"

#include "host_window.h"

// Twelve menu items wrap onto several rows at 300 pixels and fit one row
// at 900.
const WindowKind kWindowKinds[] = {
    {"overlapped", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, 640, 480, false},
    {"menu one row", WS_OVERLAPPEDWINDOW, 0, 3, 500, 400, 640, 480, false},
    {"menu wraps, widening", WS_OVERLAPPEDWINDOW, 0, 12, 300, 300, 900, 600, true},
    {"menu wraps, narrowing", WS_OVERLAPPEDWINDOW, 0, 12, 900, 400, 300, 200, true},
    {"popup without frame", WS_POPUP, 0, 0, 300, 200, 640, 480, false},
    {"tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, 0, 400, 300, 512, 384, false},
    {"dialog frame, client edge", WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE,
     0, 400, 300, 600, 450, false},
};
const int kWindowKindCount = sizeof kWindowKinds / sizeof kWindowKinds[0];

HWND CreateWindowOfKind(const WindowKind* kind, WNDPROC proc) {
  HMENU menu = kind->menuItems ? HostCreateMenuBar(kind->menuItems) : NULL;
  return HostCreateWindow(kind->style, kind->exStyle, menu, kKindLeft, kKindTop, kind->startW,
                          kind->startH, proc);
}

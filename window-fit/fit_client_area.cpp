#include "fit_client_area.h"

// Clamps a wide extent to the 32-bit range MoveWindow takes, so an absurd
// request asks for the largest window instead of wrapping around.
static int ClampExtent(long long extent) {
  if (extent > 0x7fffffffLL) return 0x7fffffff;
  if (extent < -0x7fffffffLL - 1) return -0x7fffffff - 1;
  return (int)extent;
}

// Outer extent from one measured edge pair, unchanged.
static int OuterSpan(LONG from, LONG to) {
  return ClampExtent((long long)to - from);
}

// Outer extent whose client extent is target: the frame's share on this
// axis (outer minus client, as measured now) plus the target.
static int OuterForClient(LONG from, LONG to, LONG client, int target) {
  return ClampExtent((long long)to - from - client + target);
}

void FitClientArea(HWND window, int width, int height) {
  RECT inner = {0, 0, 0, 0};
  RECT outer = {0, 0, 0, 0};

  GetClientRect(window, &inner);
  GetWindowRect(window, &outer);
  MoveWindow(window, outer.left, outer.top,
             OuterForClient(outer.left, outer.right, inner.right, width),
             OuterSpan(outer.top, outer.bottom), FALSE);

  GetClientRect(window, &inner);
  GetWindowRect(window, &outer);
  MoveWindow(window, outer.left, outer.top, OuterSpan(outer.left, outer.right),
             OuterForClient(outer.top, outer.bottom, inner.bottom, height), TRUE);
}

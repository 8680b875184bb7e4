#include "floor_fit.h"

void FloorFit(HWND window, int width, int height) {
  RECT inner;
  RECT outer;
  GetClientRect(window, &inner);
  GetWindowRect(window, &outer);
  MoveWindow(window, outer.left, outer.top, outer.right - outer.left - inner.right + width,
             outer.bottom - outer.top, FALSE);
  GetClientRect(window, &inner);
  GetWindowRect(window, &outer);
  MoveWindow(window, outer.left, outer.top, outer.right - outer.left,
             outer.bottom - outer.top - inner.bottom + height, TRUE);
}

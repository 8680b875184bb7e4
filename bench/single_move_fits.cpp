#include "single_move_fits.h"

// A bottom edge far below anything a menu bar could need, so the frame the
// window reports is not cut short by the probe rectangle.
static const LONG kUnboundedHeight = 100000;

// The outer rectangle AdjustWindowRectEx gives for a client of width x height.
static RECT AdjustedOuter(HWND window, int width, int height) {
  RECT outer = {0, 0, width, height};
  AdjustWindowRectEx(&outer, (DWORD)GetWindowLongA(window, GWL_STYLE), GetMenu(window) != NULL,
                     (DWORD)GetWindowLongA(window, GWL_EXSTYLE));
  return outer;
}

void FitCombinedMove(HWND window, int width, int height) {
  RECT inner;
  RECT outer;
  GetClientRect(window, &inner);
  GetWindowRect(window, &outer);
  MoveWindow(window, outer.left, outer.top, outer.right - outer.left - inner.right + width,
             outer.bottom - outer.top - inner.bottom + height, TRUE);
}

void FitAdjustWindowRect(HWND window, int width, int height) {
  RECT at;
  GetWindowRect(window, &at);
  RECT outer = AdjustedOuter(window, width, height);
  MoveWindow(window, at.left, at.top, outer.right - outer.left, outer.bottom - outer.top, TRUE);
}

void FitAdjustAndAskFrame(HWND window, int width, int height) {
  RECT at;
  GetWindowRect(window, &at);
  RECT outer = AdjustedOuter(window, width, height);
  int outerWidth = outer.right - outer.left;
  // Simple form (wParam FALSE): the rectangle goes in as the window's outer
  // rectangle and comes back as its client rectangle, nothing is moved.
  RECT probe = {at.left, at.top, at.left + outerWidth, at.top + kUnboundedHeight};
  SendMessageA(window, WM_NCCALCSIZE, FALSE, (LPARAM)&probe);
  int frameHeight = kUnboundedHeight - (probe.bottom - probe.top);
  MoveWindow(window, at.left, at.top, outerWidth, frameHeight + height, TRUE);
}

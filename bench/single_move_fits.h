// Three ways of fitting a client area in one move, to set beside the
// plug-in's two measured moves. Each keeps the window's top-left corner.
#pragma once

#include <windows.h>

// Measures client and outer rectangle once and moves once: outer minus
// client plus target, on both axes at the same time.
void FitCombinedMove(HWND window, int width, int height);

// What windowing libraries such as GLFW and SDL do: AdjustWindowRectEx from
// the window's style, extended style and whether it has a menu, then one
// move. The menu is taken to be one row high.
void FitAdjustWindowRect(HWND window, int width, int height);

// AdjustWindowRectEx for the width, then asks the window itself, with a
// WM_NCCALCSIZE for a rectangle of the new outer width and an unbounded
// height, how tall its frame is at that width (menu rows included); one move.
void FitAdjustAndAskFrame(HWND window, int width, int height);

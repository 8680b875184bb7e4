// Makes a top-level window's client area an exact size, its top-left
// corner unchanged.
#pragma once

#include <windows.h>

// Two measured moves: the outer width from the current frame, then the
// outer height from the frame as the first move left it (a menu bar may
// wrap onto a different number of rows at the new width).
void FitClientArea(HWND window, int width, int height);

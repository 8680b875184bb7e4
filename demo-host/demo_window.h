// The demo host's window: a menu bar long enough to wrap at the start
// size, and a client area that shows its own size.
#pragma once

#include <windows.h>

// Creates and shows the demo window at (x, y) with the given outer size.
HWND CreateDemoWindow(int x, int y, int width, int height);

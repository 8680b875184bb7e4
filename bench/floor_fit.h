// The least a fit can cost: the plug-in's four measurements and two moves,
// made by the host directly, with nothing around them.
#pragma once

#include <windows.h>

// GetClientRect and GetWindowRect, a move to the new outer width, the same
// two measurements, a move to the new outer height.
void FloorFit(HWND window, int width, int height);

// Screenshots of a window as it appears on screen, frame and menu included.
#pragma once

#include <windows.h>

// Copies the window's rectangle from the screen and writes it as a PNG.
bool CaptureWindowPng(HWND window, const char* path);

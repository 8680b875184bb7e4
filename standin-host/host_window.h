// Windows and message pumping for stand-in hosts.
#pragma once

#include <windows.h>

// Creates a shown top-level window whose messages go to proc (NULL: the
// default procedure), with an outer size of width x height at (x, y).
HWND HostCreateWindow(DWORD style, DWORD exStyle, HMENU menu, int x, int y, int width,
                      int height, WNDPROC proc);

// Creates a menu bar of count items named "&Item 1" onwards.
HMENU HostCreateMenuBar(int count);

// Dispatches every message (and, under Wine, X event) pending now, without
// waiting for more: cheap enough to run between timed samples.
void HostDispatchPending(void);

// Dispatches messages until none arrives for 50 ms, or 500 ms have passed.
// X events reach Wine late, so tests drain before they measure.
void HostDrainMessages(void);

// Width and height of the window's client area.
SIZE HostClientSize(HWND window);

// The window's outer rectangle on screen.
RECT HostWindowRect(HWND window);

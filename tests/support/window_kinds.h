// The kinds of top-level window a fit is tried on, shared by the fitting
// tests and the benchmark.
#pragma once

#include <windows.h>

struct WindowKind {
  const char* name;
  DWORD style;
  DWORD exStyle;
  int menuItems;         // 0: no menu bar
  int startW, startH;    // outer size at creation
  int targetW, targetH;  // client size asked for
  bool menuRewraps;      // the menu bar changes rows between the two widths
};

extern const WindowKind kWindowKinds[];
extern const int kWindowKindCount;

// Where every kind's window is created.
enum { kKindLeft = 40, kKindTop = 30 };

// Creates a shown window of the kind at its start size, messages to proc.
HWND CreateWindowOfKind(const WindowKind* kind, WNDPROC proc);

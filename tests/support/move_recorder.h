// A window procedure that records each WM_WINDOWPOSCHANGING while armed,
// with the window's rectangles as they were when the move was asked for:
// exactly what the fit measured before that move.
#pragma once

#include <windows.h>

struct RecordedMove {
  UINT flags;
  int x, y, cx, cy;
  RECT windowBefore;
  RECT clientBefore;
};

enum { kMaxRecordedMoves = 8 };

extern RecordedMove recordedMoves[kMaxRecordedMoves];
extern int recordedMoveCount;

// Clears the record and starts (true) or stops (false) recording.
void RecordMoves(bool on);

LRESULT CALLBACK MoveRecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

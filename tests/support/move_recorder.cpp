#include "move_recorder.h"

RecordedMove recordedMoves[kMaxRecordedMoves];
int recordedMoveCount;
static bool recording;

void RecordMoves(bool on) {
  if (on) recordedMoveCount = 0;
  recording = on;
}

LRESULT CALLBACK MoveRecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_WINDOWPOSCHANGING && recording) {
    const WINDOWPOS* pos = (const WINDOWPOS*)lParam;
    if (recordedMoveCount < kMaxRecordedMoves) {
      RecordedMove* move = &recordedMoves[recordedMoveCount];
      move->flags = pos->flags;
      move->x = pos->x;
      move->y = pos->y;
      move->cx = pos->cx;
      move->cy = pos->cy;
      GetWindowRect(window, &move->windowBefore);
      GetClientRect(window, &move->clientBefore);
    }
    ++recordedMoveCount;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

#include "move_counter.h"

int movesSeen;

LRESULT CALLBACK CountMovesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_WINDOWPOSCHANGING) ++movesSeen;
  return DefWindowProcA(window, message, wParam, lParam);
}

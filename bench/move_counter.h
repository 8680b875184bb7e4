// A window procedure that counts the moves a window is asked to make.
#pragma once

#include <windows.h>

// WM_WINDOWPOSCHANGING messages seen since the count was last set to 0:
// one per MoveWindow or SetWindowPos, whoever made it.
extern int movesSeen;

LRESULT CALLBACK CountMovesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

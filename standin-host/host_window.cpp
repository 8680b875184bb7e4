#include "host_window.h"

#include <stdio.h>

// Registers (once) a window class whose procedure is proc.
static const char* ClassFor(WNDPROC proc) {
  static char name[64];
  snprintf(name, sizeof name, "clientfit-host-%p", (void*)proc);
  WNDCLASSA wc = {};
  if (!GetClassInfoA(GetModuleHandleA(NULL), name, &wc)) {
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
  }
  return name;
}

HWND HostCreateWindow(DWORD style, DWORD exStyle, HMENU menu, int x, int y, int width,
                      int height, WNDPROC proc) {
  HWND window = CreateWindowExA(exStyle, ClassFor(proc != NULL ? proc : DefWindowProcA),
                                "clientfit stand-in host", style, x, y, width, height, NULL,
                                menu, GetModuleHandleA(NULL), NULL);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  HostDrainMessages();
  return window;
}

HMENU HostCreateMenuBar(int count) {
  HMENU bar = CreateMenu();
  for (int i = 1; i <= count; ++i) {
    char label[32];
    snprintf(label, sizeof label, "&Item %d", i);
    AppendMenuA(bar, MF_STRING, 100 + i, label);
  }
  return bar;
}

void HostDispatchPending(void) {
  MSG msg;
  while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void HostDrainMessages(void) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 500) {
    if (MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT) == WAIT_TIMEOUT) break;
    HostDispatchPending();
  }
}

SIZE HostClientSize(HWND window) {
  RECT client = {0, 0, 0, 0};
  GetClientRect(window, &client);
  SIZE size = {client.right, client.bottom};
  return size;
}

RECT HostWindowRect(HWND window) {
  RECT rect = {0, 0, 0, 0};
  GetWindowRect(window, &rect);
  return rect;
}

#include "demo_window.h"

#include <stdio.h>

#include "host_window.h"

static const char* const kMenuItems[] = {"&File",   "&Edit",   "&View",  "&Scene",
                                         "S&prites", "&Layers", "&Audio", "S&cript",
                                         "&Build",  "&Window", "&Tools", "&Help"};

// A menu bar of all the items above.
static HMENU CreateDemoMenu(void) {
  HMENU bar = CreateMenu();
  for (int i = 0; i < (int)(sizeof kMenuItems / sizeof kMenuItems[0]); ++i)
    AppendMenuA(bar, MF_STRING, 100 + i, kMenuItems[i]);
  return bar;
}

// Paints a 4-pixel frame along the client edge and the client size in it,
// so a screenshot shows whether the client area is what was asked for.
static void PaintClient(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  HBRUSH background = CreateSolidBrush(RGB(24, 32, 48));
  HBRUSH edge = CreateSolidBrush(RGB(255, 176, 0));
  FillRect(dc, &client, edge);
  RECT inside = {client.left + 4, client.top + 4, client.right - 4, client.bottom - 4};
  FillRect(dc, &inside, background);

  char text[64];
  snprintf(text, sizeof text, "client area %ld x %ld", client.right, client.bottom);
  HFONT font = CreateFontA(-client.bottom / 10, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                           0, 0, "Arial");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  DrawTextA(dc, text, -1, &inside, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  DeleteObject(background);
  DeleteObject(edge);
  EndPaint(window, &paint);
}

// Repaints the whole client area on every size change.
static LRESULT CALLBACK DemoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintClient(window);
      return 0;
    case WM_SIZE:
      InvalidateRect(window, NULL, FALSE);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateDemoWindow(int x, int y, int width, int height) {
  HWND window = HostCreateWindow(WS_OVERLAPPEDWINDOW, 0, CreateDemoMenu(), x, y, width, height,
                                 DemoWindowProc);
  SetWindowTextA(window, "clientfit demo host");
  return window;
}

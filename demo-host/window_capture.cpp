#include "window_capture.h"

#include <stdlib.h>

#include "png_file.h"

// Converts top-down 32-bit BGRX pixels to tightly packed RGB.
static unsigned char* BgrxToRgb(const unsigned char* bgrx, int width, int height) {
  unsigned char* rgb = (unsigned char*)malloc((size_t)width * height * 3);
  for (size_t i = 0; i < (size_t)width * height; ++i) {
    rgb[3 * i] = bgrx[4 * i + 2];
    rgb[3 * i + 1] = bgrx[4 * i + 1];
    rgb[3 * i + 2] = bgrx[4 * i];
  }
  return rgb;
}

bool CaptureWindowPng(HWND window, const char* path) {
  RECT rect;
  GetWindowRect(window, &rect);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;

  HDC screen = GetDC(NULL);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = NULL;
  HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, NULL, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();

  unsigned char* rgb = BgrxToRgb((const unsigned char*)bits, width, height);
  bool written = WritePngFile(path, rgb, width, height);
  free(rgb);
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(NULL, screen);
  return written;
}

#include "pump.h"

#include <windows.h>

void PumpPending(void) {
  MSG msg;
  // Under Wine each PeekMessage also reads the X events that have arrived.
  while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

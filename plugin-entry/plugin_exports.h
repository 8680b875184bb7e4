// The three functions the host calls, exported by name (see clientfit.def).
#pragma once

#include <windows.h>

#include "callconv.h"

extern "C" {
// No effect; callable any number of times, in any order.
void CLIENTFIT_CALL Initialize(void);
void CLIENTFIT_CALL Finalize(void);

// Carries one command. Asks the host for its window size, writes the empty
// reply and status 0, then fits window to that size on the first token that
// contains "AdjustWindow" and sets status 1. The context is never read; a
// NULL status or reply is not written. Returns 0.
int CLIENTFIT_CALL VorqPlugInMain(void* context, HWND window, char* command, int* status,
                                  char* reply);
}

// How a host reaches the exports through GetProcAddress.
typedef void(CLIENTFIT_CALL* ModuleHookFn)(void);
typedef int(CLIENTFIT_CALL* VorqPlugInMainFn)(void* context, HWND window, char* command,
                                              int* status, char* reply);

// The shipped plug-in loaded by a stand-in host, with its Sleep import
// counted, and a host window reset to a known size before each call.
#pragma once

#include <windows.h>

#include "plugin_module.h"

// Sleep calls the plug-in made, and how many of them were not Sleep(1).
extern volatile LONG sleepCalls;
extern volatile LONG otherSleeps;

// Loads clientfit.dll beside the host and counts its Sleep calls.
PluginModule LoadCountedPlugin(void);

// The host window every call is made with, outer size 400 x 300 at (40, 30).
HWND HarnessWindow(void);

// Puts window back to 400 x 300 at (40, 30), its messages drained.
void ResetWindow(HWND window);

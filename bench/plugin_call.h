// One fitting call through the shipped plug-in, as a host makes it.
#pragma once

#include <windows.h>

#include "plugin_module.h"

// Reports width x height as the host's size, then passes the command
// "AdjustWindow" (a fresh copy) to VorqPlugInMain; returns the status.
// With ticks, stores how long VorqPlugInMain itself took: reporting the
// size and copying the command are the host's business and stay outside.
int CallPluginFit(const PluginModule* plugin, HWND window, int width, int height,
                  long long* ticks);

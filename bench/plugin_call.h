// One fitting call through the shipped plug-in, as a host makes it.
#pragma once

#include <windows.h>

#include "plugin_module.h"

// Reports width x height as the host's size, then passes the command
// "AdjustWindow" (a fresh copy) to VorqPlugInMain; returns the status.
int CallPluginFit(const PluginModule* plugin, HWND window, int width, int height);

// Loading the plug-in the way a host does: by file name, exports by name.
#pragma once

#include <windows.h>

#include "plugin_exports.h"

struct PluginModule {
  HMODULE module;
  ModuleHookFn initialize;
  ModuleHookFn finalize;
  VorqPlugInMainFn main;
};

// Full path of file in the folder of the running executable; file alone
// when that folder's path does not fit.
void PathBesideExecutable(const char* file, char* path, DWORD size);

// Loads file (e.g. "clientfit.dll") from the host executable's folder and
// looks up the three exports; module is NULL when the load failed.
PluginModule PluginLoad(const char* file);

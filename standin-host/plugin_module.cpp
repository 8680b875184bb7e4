#include "plugin_module.h"

#include <string.h>

void PathBesideExecutable(const char* file, char* path, DWORD size) {
  DWORD length = GetModuleFileNameA(NULL, path, size);
  char* slash = strrchr(path, '\\');
  if (length == 0 || length >= size || slash == NULL) {
    lstrcpynA(path, file, size);
    return;
  }
  lstrcpynA(slash + 1, file, size - (DWORD)(slash + 1 - path));
}

PluginModule PluginLoad(const char* file) {
  char path[MAX_PATH * 4];
  PathBesideExecutable(file, path, sizeof path);
  PluginModule plugin = {};
  plugin.module = LoadLibraryA(path);
  if (plugin.module == NULL) plugin.module = LoadLibraryA(file);
  if (plugin.module == NULL) return plugin;
  plugin.initialize = (ModuleHookFn)(void*)GetProcAddress(plugin.module, "Initialize");
  plugin.finalize = (ModuleHookFn)(void*)GetProcAddress(plugin.module, "Finalize");
  plugin.main = (VorqPlugInMainFn)(void*)GetProcAddress(plugin.module, "VorqPlugInMain");
  return plugin;
}

// The module's entry point, called by the loader. The plug-in links no C
// runtime, so this is the DLL's real entry, not a hook behind CRT startup.
#include <windows.h>

#include "host_service_table.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  (void)module;
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) BindHostServices();
  return TRUE;
}

// The smallest DLL built like the plug-in: its entry point does nothing.
// Loading and unloading it is the floor the plug-in's load cost is set
// against.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  (void)module;
  (void)reason;
  (void)reserved;
  return TRUE;
}

#include "host_service_table.h"

const char* const kHostServiceNames[kHostServiceCount] = {
    "RenderSprite", "GetSpriteData", "VorqGetWindowSize", "AllocDIB",
    "FreeDIB",      "VorqDoEvents",  "VorqGetWindow",     "DrawClear",
    "DrawFill",     "DrawBG",        "DrawBG2",           "DrawSP",
    "DrawSP2",      "QVKGetFile",
};

FARPROC HostServiceTable[kHostServiceCount];

// Size of the buffer that receives the executable's path.
static const DWORD kPathBufferSize = 256;

// Resolves every slot from the module, in slot order, without stopping at
// names the module does not export.
static void ResolveServices(HMODULE host) {
  for (int slot = 0; slot < kHostServiceCount; ++slot)
    HostServiceTable[slot] = GetProcAddress(host, kHostServiceNames[slot]);
}

// Opens the executable by its path, adding a reference; NULL when the path
// did not come back whole. A result of 0 is a failed fetch; a result that
// fills the buffer is a cut-off path, on older systems without a terminator.
static HMODULE LoadHostByPath(void) {
  char path[kPathBufferSize];
  DWORD length = GetModuleFileNameA(NULL, path, kPathBufferSize);
  if (length == 0 || length >= kPathBufferSize) return NULL;
  return LoadLibraryA(path);
}

void BindHostServices(void) {
  HMODULE host = LoadHostByPath();
  if (host != NULL) {
    ResolveServices(host);
    FreeLibrary(host);
    return;
  }
  // The path named nothing loadable: too long, or with characters outside
  // the ANSI code page, which the A functions turn into "?". The process's
  // own executable handle needs no path and takes no reference.
  ResolveServices(GetModuleHandleA(NULL));
}

// The host's services, bound by export name from the host executable when
// the module attaches, and only read afterwards.
#pragma once

#include <windows.h>

#include "callconv.h"

// Slots in the order they are resolved.
enum HostServiceSlot {
  kRenderSprite,
  kGetSpriteData,
  kVorqGetWindowSize,
  kAllocDIB,
  kFreeDIB,
  kVorqDoEvents,
  kVorqGetWindow,
  kDrawClear,
  kDrawFill,
  kDrawBG,
  kDrawBG2,
  kDrawSP,
  kDrawSP2,
  kQVKGetFile,
  kHostServiceCount
};

// Stores the host window's width and height through the two pointers.
typedef int(CLIENTFIT_CALL* VorqGetWindowSizeFn)(int* width, int* height);

// Export name of each slot, matched exactly.
extern const char* const kHostServiceNames[kHostServiceCount];

// Entry address of each service; NULL where the host does not export it.
extern FARPROC HostServiceTable[kHostServiceCount];

// Fills HostServiceTable from the process's executable.
void BindHostServices(void);

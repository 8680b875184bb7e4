// The fourteen services of the stand-in host. HOST_EXPORTS selects which are
// exported by name: 14 (all), 1 (VorqGetWindowSize only) or 0 (none). The
// thirteen that plug-ins bind but never call are stubs, each with a body of
// its own so that each has an address of its own.
#include "host_services.h"

#if HOST_EXPORTS == 14
#define SERVICE_EXPORT __declspec(dllexport)
#define SIZE_EXPORT __declspec(dllexport)
#elif HOST_EXPORTS == 1
#define SERVICE_EXPORT
#define SIZE_EXPORT __declspec(dllexport)
#elif HOST_EXPORTS == 0
#define SERVICE_EXPORT
#define SIZE_EXPORT
#else
#error "HOST_EXPORTS must be 14, 1 or 0"
#endif

#define HOST_STUB(name, id) \
  extern "C" SERVICE_EXPORT int CLIENTFIT_CALL name(void) { return id; }

HOST_STUB(RenderSprite, 1)
HOST_STUB(GetSpriteData, 2)
HOST_STUB(AllocDIB, 4)
HOST_STUB(FreeDIB, 5)
HOST_STUB(VorqDoEvents, 6)
HOST_STUB(VorqGetWindow, 7)
HOST_STUB(DrawClear, 8)
HOST_STUB(DrawFill, 9)
HOST_STUB(DrawBG, 10)
HOST_STUB(DrawBG2, 11)
HOST_STUB(DrawSP, 12)
HOST_STUB(DrawSP2, 13)
HOST_STUB(QVKGetFile, 14)

extern "C" SIZE_EXPORT int CLIENTFIT_CALL VorqGetWindowSize(int* width, int* height) {
  HostSizeRecord* record = HostCurrentSizeRecord();
  InterlockedIncrement(&record->asked);
  *width = record->width;
  *height = record->height;
  return 1;
}

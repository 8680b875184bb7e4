// The stand-in host engine's services, as a host exports them to plug-ins.
// Which names a host executable exports is chosen when it is built:
// all fourteen, only VorqGetWindowSize, or none.
#pragma once

#include <windows.h>

#include "callconv.h"

// The size a host reports through VorqGetWindowSize, and how often it was
// asked. A thread may use a record of its own; the others share one.
struct HostSizeRecord {
  int width;
  int height;
  volatile LONG asked;
};

// Sets the size reported to plug-in calls on the calling thread, resetting
// its count, and returns the record that counts the asks.
HostSizeRecord* HostReportSize(int width, int height);

// Makes the calling thread report and count through record (NULL: shared).
void HostUseSizeRecord(HostSizeRecord* record);

// The record that serves the calling thread.
HostSizeRecord* HostCurrentSizeRecord(void);

extern "C" int CLIENTFIT_CALL VorqGetWindowSize(int* width, int* height);

#include "host_services.h"

static HostSizeRecord sharedRecord = {800, 600, 0};
static DWORD recordSlot = TLS_OUT_OF_INDEXES;

// TLS slot of the per-thread record, taken on first use.
static DWORD RecordSlot(void) {
  if (recordSlot == TLS_OUT_OF_INDEXES) recordSlot = TlsAlloc();
  return recordSlot;
}

void HostUseSizeRecord(HostSizeRecord* record) { TlsSetValue(RecordSlot(), record); }

HostSizeRecord* HostCurrentSizeRecord(void) {
  HostSizeRecord* own = (HostSizeRecord*)TlsGetValue(RecordSlot());
  return own != NULL ? own : &sharedRecord;
}

HostSizeRecord* HostReportSize(int width, int height) {
  HostSizeRecord* record = HostCurrentSizeRecord();
  record->width = width;
  record->height = height;
  record->asked = 0;
  return record;
}

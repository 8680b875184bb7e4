// A heap census taken by the loader's DLL notification, which comes once a
// DLL is mapped and its imports bound, before its DllMain runs: what the
// heaps hold from that moment to LoadLibraryA's return is DllMain's doing.
#pragma once

#include <windows.h>

#include "heap_census.h"

struct LoadNotice {
  bool seen;            // a DLL was reported loaded since LoadNoticeArm
  bool bssUntouched;    // its .bss was still all zero then: DllMain had not run
  HeapCensus atNotice;  // the census at that moment
};

// Registers the notification once (LdrRegisterDllNotification from ntdll);
// false where the system has none.
bool LoadNoticeRegister(void);

// Forgets the last notice, ready for the next load.
void LoadNoticeArm(void);

// What the last load reported.
LoadNotice LoadNoticeLast(void);

// True when the module's .bss holds only zero bytes (true if it has none).
bool ModuleBssUntouched(HMODULE module);

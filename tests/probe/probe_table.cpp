// Test-only export of the plug-in's host service table, so tests can read
// what the attach bound.
#include "callconv.h"
#include "host_service_table.h"

extern "C" FARPROC* CLIENTFIT_CALL ProbeHostServiceTable(void) { return HostServiceTable; }

// What the attach binds: run in a process that exports EXPECTED_BOUND of the
// host's fourteen service names, each slot of the plug-in's table must hold
// exactly what GetProcAddress finds in the executable under that slot's
// name, and no later entry-point notification may change the table.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "ok.h"
#include "plugin_module.h"

#ifndef EXPECTED_BOUND
#error "EXPECTED_BOUND: how many of the service names this executable exports"
#endif

// The service names in slot order, as hosts export them.
static const char* const kSlotNames[14] = {
    "RenderSprite", "GetSpriteData", "VorqGetWindowSize", "AllocDIB", "FreeDIB",
    "VorqDoEvents", "VorqGetWindow", "DrawClear",         "DrawFill", "DrawBG",
    "DrawBG2",      "DrawSP",        "DrawSP2",           "QVKGetFile"};

typedef FARPROC*(CLIENTFIT_CALL* ProbeTableFn)(void);
typedef BOOL(WINAPI* EntryPointFn)(HINSTANCE, DWORD, LPVOID);

// The module's entry point, found from its PE header as the loader finds it.
static EntryPointFn EntryPointOf(HMODULE module) {
  BYTE* base = (BYTE*)module;
  IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
  return (EntryPointFn)(void*)(base + nt->OptionalHeader.AddressOfEntryPoint);
}

static void TestSlotsMatchExecutable(FARPROC* table) {
  HMODULE self = GetModuleHandleA(NULL);
  int bound = 0;
  for (int slot = 0; slot < 14; ++slot) {
    FARPROC expected = GetProcAddress(self, kSlotNames[slot]);
    ok(table[slot] == expected, "slot %d (%s) holds %p, expected %p", slot + 1, kSlotNames[slot],
       (void*)table[slot], (void*)expected);
    bound += table[slot] != NULL;
  }
  ok(bound == EXPECTED_BOUND, "%d slots bound, expected %d", bound, EXPECTED_BOUND);
}

// Worker that makes the loader deliver thread attach and detach.
static DWORD WINAPI DoNothing(void*) { return 0; }

static void TestNotificationsChangeNothing(HMODULE probe, FARPROC* table) {
  FARPROC before[14];
  memcpy(before, table, sizeof before);
  EntryPointFn entry = EntryPointOf(probe);
  static const DWORD kReasons[] = {DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH};
  for (DWORD reason : kReasons) {
    BOOL result = entry(probe, reason, NULL);
    ok(result == TRUE, "entry point with reason %lu returned %d, expected TRUE", reason, result);
    ok(memcmp(before, table, sizeof before) == 0, "reason %lu changed the table", reason);
  }
  HANDLE thread = CreateThread(NULL, 0, DoNothing, NULL, 0, NULL);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  ok(memcmp(before, table, sizeof before) == 0, "a thread's start and end changed the table");
}

// The shipped DLL's entry point answers every notification with TRUE.
static void TestShippedEntryPoint(void) {
  HMODULE shipped = LoadLibraryA("clientfit.dll");
  ok(shipped != NULL, "LoadLibraryA(clientfit.dll) failed, error %lu", GetLastError());
  if (shipped == NULL) return;
  EntryPointFn entry = EntryPointOf(shipped);
  for (DWORD reason = 0; reason <= 3; ++reason) {
    BOOL result = entry(shipped, reason, NULL);
    ok(result == TRUE, "shipped entry point with reason %lu returned %d, expected TRUE", reason,
       result);
  }
  FreeLibrary(shipped);
}

int main(void) {
  char path[1024];
  DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
  printf("executable path (%lu characters): %s\n", length, path);

  PluginModule probe = PluginLoad("clientfit-probe.dll");
  ok(probe.module != NULL, "loading clientfit-probe.dll failed, error %lu", GetLastError());
  if (probe.module == NULL) return OkFinish("bind_test");
  ProbeTableFn probeTable = (ProbeTableFn)(void*)GetProcAddress(probe.module, "ProbeHostServiceTable");
  FARPROC* table = probeTable();

  TestSlotsMatchExecutable(table);
  TestNotificationsChangeNothing(probe.module, table);
  TestShippedEntryPoint();
  FreeLibrary(probe.module);
  return OkFinish("bind_test");
}

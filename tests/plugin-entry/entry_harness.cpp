#include "entry_harness.h"

#include "host_window.h"
#include "iat_patch.h"
#include "ok.h"

volatile LONG sleepCalls;
volatile LONG otherSleeps;

// Stands in for the plug-in's Sleep: counts, then sleeps as asked.
static void WINAPI CountedSleep(DWORD milliseconds) {
  InterlockedIncrement(&sleepCalls);
  if (milliseconds != 1) InterlockedIncrement(&otherSleeps);
  Sleep(milliseconds);
}

PluginModule LoadCountedPlugin(void) {
  PluginModule plugin = PluginLoad("clientfit.dll");
  ok(plugin.module != NULL, "loading clientfit.dll failed, error %lu", GetLastError());
  if (plugin.module == NULL) return plugin;
  ok(plugin.main && plugin.initialize && plugin.finalize, "missing exports: %p %p %p",
     (void*)plugin.main, (void*)plugin.initialize, (void*)plugin.finalize);
  void* previous = PatchImport(plugin.module, "KERNEL32.dll", "Sleep", (void*)CountedSleep);
  ok(previous != NULL, "clientfit.dll does not import Sleep from KERNEL32.dll");
  return plugin;
}

HWND HarnessWindow(void) {
  static HWND window;
  if (window == NULL)
    window = HostCreateWindow(WS_OVERLAPPEDWINDOW, 0, NULL, 40, 30, 400, 300, NULL);
  return window;
}

void ResetWindow(HWND window) {
  MoveWindow(window, 40, 30, 400, 300, TRUE);
  HostDrainMessages();
}

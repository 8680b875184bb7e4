// Heap use by the plug-in: busy blocks over all process heaps around its
// DllMain, its whole load and unload, and a batch of calls, each set beside
// the same step without the plug-in's code; and the allocation functions
// the DLL imports.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "floor_fit.h"
#include "heap_census.h"
#include "host_window.h"
#include "load_notice.h"
#include "pe_image.h"
#include "plugin_call.h"
#include "plugin_module.h"
#include "report.h"
#include "sections.h"
#include "window_kinds.h"

enum { kAttachTrials = 5, kBatchCalls = 100 };

struct AttachChange {
  HeapCensus dllMain;  // from the loader's notice to LoadLibraryA's return
  HeapCensus whole;    // over the whole LoadLibraryA
  HeapCensus left;     // after FreeLibrary, against before LoadLibraryA
  bool noticed;        // the notice came
  bool noticeFirst;    // .bss zero at the notice and written by the return
};

// Census taken around one load and one unload of the DLL at path.
static AttachChange MeasureAttach(const char* path) {
  LoadNoticeArm();
  HeapCensus before = TakeHeapCensus();
  HMODULE module = LoadLibraryA(path);
  HeapCensus loaded = TakeHeapCensus();
  bool bssWritten = module != NULL && !ModuleBssUntouched(module);
  if (module != NULL) FreeLibrary(module);
  HeapCensus unloaded = TakeHeapCensus();
  LoadNotice notice = LoadNoticeLast();
  AttachChange change;
  change.dllMain = CensusChange(notice.atNotice, loaded);
  change.whole = CensusChange(before, loaded);
  change.left = CensusChange(before, unloaded);
  change.noticed = notice.seen;
  change.noticeFirst = notice.seen && notice.bssUntouched && bssWritten;
  return change;
}

// True when two census changes agree.
static bool SameChange(HeapCensus a, HeapCensus b) {
  return a.blocks == b.blocks && a.bytes == b.bytes;
}

// True when two attach measurements agree in every figure.
static bool SameAttach(const AttachChange* a, const AttachChange* b) {
  return SameChange(a->dllMain, b->dllMain) && SameChange(a->whole, b->whole) &&
         SameChange(a->left, b->left);
}

// Census change over a batch of plug-in calls (plugin) or floor fits (NULL),
// targets alternating, queued messages handled after each.
static HeapCensus MeasureBatch(const PluginModule* plugin, HWND window) {
  HeapCensus before = TakeHeapCensus();
  for (int i = 0; i < kBatchCalls; ++i) {
    int width = i % 2 ? 600 : 640;
    int height = i % 2 ? 450 : 480;
    if (plugin != NULL)
      CallPluginFit(plugin, window, width, height, NULL);
    else
      FloorFit(window, width, height);
    HostDispatchPending();
  }
  return CensusChange(before, TakeHeapCensus());
}

// True for the name of a function that hands out memory.
static bool IsAllocator(const char* function) {
  static const char* const kExact[] = {"malloc", "calloc", "realloc", "_Znwj",
                                       "_Znaj",  "strdup", "_strdup", "_wcsdup"};
  for (const char* name : kExact)
    if (strcmp(function, name) == 0) return true;
  // HeapAlloc, LocalAlloc, GlobalAlloc, VirtualAlloc, RtlAllocateHeap,
  // CoTaskMemAlloc, SysAllocString and their Re/Ex forms.
  for (const char* at = function; *at != '\0'; ++at)
    if (_strnicmp(at, "alloc", 5) == 0) return true;
  return false;
}

static char allocators[512];

// Appends an imported allocation function to the list.
static void NoteAllocator(const char* dll, const char* function, void*) {
  if (!IsAllocator(function)) return;
  size_t used = strlen(allocators);
  snprintf(allocators + used, sizeof allocators - used, "%s%s!%s", used ? ", " : "", dll, function);
}

static HeapCensus calibration;
static AttachChange pluginAttach[kAttachTrials];
static AttachChange emptyAttach[kAttachTrials];
static HeapCensus pluginCalls;
static HeapCensus floorCalls;

// One HeapAlloc of 24 bytes must show as one block: proof the census sees.
static void Calibrate(void) {
  HeapCensus before = TakeHeapCensus();
  void* block = HeapAlloc(GetProcessHeap(), 0, 24);
  calibration = CensusChange(before, TakeHeapCensus());
  HeapFree(GetProcessHeap(), 0, block);
}

// Both DLLs loaded and unloaded in turn, after one unmeasured round.
static void MeasureAttaches(void) {
  char plugin[MAX_PATH * 4];
  char empty[MAX_PATH * 4];
  PathBesideExecutable("clientfit.dll", plugin, sizeof plugin);
  PathBesideExecutable("empty-module.dll", empty, sizeof empty);
  MeasureAttach(plugin);
  MeasureAttach(empty);
  for (int t = 0; t < kAttachTrials; ++t) {
    pluginAttach[t] = MeasureAttach(plugin);
    emptyAttach[t] = MeasureAttach(empty);
  }
}

// Batches of plug-in calls and of floor fits on one window, after warm-up;
// false when the plug-in did not load.
static bool MeasureCalls(void) {
  PluginModule plugin = PluginLoad("clientfit.dll");
  if (plugin.main == NULL) return false;
  ImageForEachImport(plugin.module, NoteAllocator, NULL);
  HWND window = CreateWindowOfKind(&kWindowKinds[0], NULL);
  MeasureBatch(&plugin, window);
  MeasureBatch(NULL, window);
  pluginCalls = MeasureBatch(&plugin, window);
  floorCalls = MeasureBatch(NULL, window);
  DestroyWindow(window);
  FreeLibrary(plugin.module);
  return true;
}

// Prints one census change as a row, with a goal of 0 when goal is set.
static void PrintChange(const char* what, HeapCensus change, bool goal) {
  char value[48];
  snprintf(value, sizeof value, "%+ld blocks, %+lld bytes", change.blocks, change.bytes);
  OutRow(what, value, goal ? (change.blocks == 0 ? "goal 0: met" : "goal 0: NOT MET") : NULL);
}

// True when every trial gave the figures the first one gave.
static bool TrialsAgree(void) {
  for (int t = 1; t < kAttachTrials; ++t)
    if (!SameAttach(&pluginAttach[t], &pluginAttach[0]) ||
        !SameAttach(&emptyAttach[t], &emptyAttach[0]))
      return false;
  return true;
}

// Prints the attach rows from the last trial.
static void PrintAttach(void) {
  const AttachChange* plugin = &pluginAttach[kAttachTrials - 1];
  const AttachChange* empty = &emptyAttach[kAttachTrials - 1];
  if (plugin->noticed && empty->noticed) {
    Out("   attach, DllMain's share: from the loader's notice (mapped, imports bound,\n"
        "   before the entry point) to LoadLibraryA's return\n");
    PrintChange("  clientfit.dll", plugin->dllMain, false);
    PrintChange("  empty-module.dll", empty->dllMain, false);
    Out("   (a negative share is the loader freeing its own scratch blocks meanwhile)\n");
    PrintChange("plug-in's own at attach (clientfit - empty)",
                CensusChange(empty->dllMain, plugin->dllMain), true);
    OutRow("notice came before DllMain (.bss zero then, written by return)",
           plugin->noticeFirst ? "yes" : "NO", NULL);
  } else {
    Out("   no loader notice (LdrRegisterDllNotification): DllMain's share not separable\n");
  }
  PrintChange("whole LoadLibraryA, loader's records too: clientfit.dll", plugin->whole, false);
  PrintChange("whole LoadLibraryA: empty-module.dll (imports nothing)", empty->whole, false);
  PrintChange("left after FreeLibrary(clientfit.dll)", plugin->left, true);
  char trials[16];
  snprintf(trials, sizeof trials, "%s", TrialsAgree() ? "yes" : "NO");
  char label[64];
  snprintf(label, sizeof label, "attach figures the same in all %d trials", kAttachTrials);
  OutRow(label, trials, NULL);
}

void BenchHeapUse(void) {
  LoadNoticeRegister();
  Calibrate();
  MeasureAttaches();
  bool called = MeasureCalls();

  Out("\n4. Heap allocations by the plug-in: net change in busy blocks and bytes on all "
      "process heaps\n   (HeapWalk before and after each step)\n");
  PrintChange("census check: one HeapAlloc of 24 bytes between two walks", calibration, false);
  PrintAttach();
  if (called) {
    char label[64];
    snprintf(label, sizeof label, "%d fitting calls through VorqPlugInMain", kBatchCalls);
    PrintChange(label, pluginCalls, false);
    snprintf(label, sizeof label, "%d floor fits by the host", kBatchCalls);
    PrintChange(label, floorCalls, false);
    PrintChange("plug-in's own during calls (calls - floor)", CensusChange(floorCalls, pluginCalls),
                true);
  } else {
    Out("   calls: clientfit.dll did not load\n");
  }
  OutRow("allocation functions imported by clientfit.dll", allocators[0] ? allocators : "none",
         allocators[0] ? "goal none: NOT MET" : "goal none: met");
}

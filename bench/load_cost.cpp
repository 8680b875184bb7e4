// Cost of loading and unloading the plug-in against an empty DLL built the
// same way: LoadLibraryA and FreeLibrary as one timed pair.
#include <stdio.h>
#include <windows.h>

#include "plugin_module.h"
#include "report.h"
#include "sections.h"
#include "timing.h"

enum { kLoadSamples = 300, kWarmUpLoads = 10 };
static const double kLoadGoal = 1.2;

static long long pluginTicks[kLoadSamples];
static long long emptyTicks[kLoadSamples];

// One load and unload of the DLL at path, timed; -1 when it did not load
// or stayed loaded afterwards.
static long long TimeLoadPair(const char* path) {
  long long start = Ticks();
  HMODULE module = LoadLibraryA(path);
  if (module != NULL) FreeLibrary(module);
  long long ticks = Ticks() - start;
  if (module == NULL || GetModuleHandleA(path) != NULL) return -1;
  return ticks;
}

// Pairs of samples with the order swapped every time; false on a failure.
static bool Sample(const char* plugin, const char* empty, int pairs, bool keep) {
  for (int i = 0; i < pairs; ++i) {
    for (int j = 0; j < 2; ++j) {
      bool pluginTurn = (j == 0) == (i % 2 == 0);
      long long ticks = TimeLoadPair(pluginTurn ? plugin : empty);
      if (ticks < 0) return false;
      if (keep) (pluginTurn ? pluginTicks : emptyTicks)[i] = ticks;
    }
  }
  return true;
}

void BenchLoadCost(void) {
  char plugin[MAX_PATH * 4];
  char empty[MAX_PATH * 4];
  PathBesideExecutable("clientfit.dll", plugin, sizeof plugin);
  PathBesideExecutable("empty-module.dll", empty, sizeof empty);
  bool sampled =
      Sample(plugin, empty, kWarmUpLoads, false) && Sample(plugin, empty, kLoadSamples, true);
  if (!sampled) {
    Out("\n3. Cost of loading: a DLL failed to load or to unload (error %lu)\n", GetLastError());
    return;
  }
  double pluginMicros = MedianMicros(pluginTicks, kLoadSamples);
  double emptyMicros = MedianMicros(emptyTicks, kLoadSamples);
  Out("\n3. Cost of loading and unloading: LoadLibraryA + FreeLibrary, median of %d pairs each, "
      "interleaved\n",
      kLoadSamples);
  OutRatioRows("empty-module.dll: DllMain returns TRUE, same build options", emptyMicros,
               "clientfit.dll: DllMain binds the 14 host services", pluginMicros,
               "ratio clientfit / empty", kLoadGoal);
}

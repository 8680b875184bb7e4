// Cost of one fitting call: VorqPlugInMain through clientfit.dll against the
// floor, the same four measurements and two moves made by the host itself.
#include <stdio.h>

#include "floor_fit.h"
#include "host_window.h"
#include "plugin_module.h"
#include "plugin_call.h"
#include "report.h"
#include "sections.h"
#include "timing.h"
#include "window_kinds.h"

enum { kCallSamples = 1000, kWarmUpCalls = 20 };
static const double kCallGoal = 1.02;

// Two targets taken in turn, so that every call really moves the window.
static const SIZE kTargets[2] = {{640, 480}, {600, 450}};

static long long pluginTicks[kCallSamples];
static long long floorTicks[kCallSamples];

// One plug-in call, timed from the call to its return.
static long long TimePluginCall(const PluginModule* plugin, HWND window, SIZE target) {
  long long ticks = 0;
  CallPluginFit(plugin, window, target.cx, target.cy, &ticks);
  return ticks;
}

// One floor fit, timed.
static long long TimeFloorCall(HWND window, SIZE target) {
  long long start = Ticks();
  FloorFit(window, target.cx, target.cy);
  return Ticks() - start;
}

// Pairs of samples, the order within a pair swapped every time so drift
// and after-effects fall on both alike; targets alternate call by call.
static void Sample(const PluginModule* plugin, HWND window, int pairs, bool keep) {
  int call = 0;
  for (int i = 0; i < pairs; ++i) {
    for (int j = 0; j < 2; ++j) {
      SIZE target = kTargets[call++ % 2];
      bool pluginTurn = (j == 0) == (i % 2 == 0);
      long long ticks =
          pluginTurn ? TimePluginCall(plugin, window, target) : TimeFloorCall(window, target);
      if (keep) (pluginTurn ? pluginTicks : floorTicks)[i] = ticks;
      HostDispatchPending();
    }
  }
}

// Whether a last plug-in call leaves exactly the target client size.
static bool PluginReachesTarget(const PluginModule* plugin, HWND window) {
  TimePluginCall(plugin, window, kTargets[1]);
  HostDrainMessages();
  SIZE client = HostClientSize(window);
  return client.cx == kTargets[1].cx && client.cy == kTargets[1].cy;
}

void BenchCallCost(void) {
  PluginModule plugin = PluginLoad("clientfit.dll");
  if (plugin.main == NULL) {
    Out("\n2. Cost of one fitting call: clientfit.dll did not load (error %lu)\n", GetLastError());
    return;
  }
  HWND window = CreateWindowOfKind(&kWindowKinds[0], NULL);
  Sample(&plugin, window, kWarmUpCalls, false);
  Sample(&plugin, window, kCallSamples, true);
  bool reached = PluginReachesTarget(&plugin, window);
  DestroyWindow(window);
  FreeLibrary(plugin.module);

  double pluginMicros = MedianMicros(pluginTicks, kCallSamples);
  double floorMicros = MedianMicros(floorTicks, kCallSamples);
  Out("\n2. Cost of one fitting call: median of %d calls each, interleaved, targets %ldx%ld and "
      "%ldx%ld in turn\n",
      kCallSamples, kTargets[0].cx, kTargets[0].cy, kTargets[1].cx, kTargets[1].cy);
  OutRatioRows("floor: the host makes the same 4 measurements and 2 MoveWindow", floorMicros,
               "plug-in: VorqPlugInMain(\"AdjustWindow\") through clientfit.dll", pluginMicros,
               "ratio plug-in / floor", kCallGoal);
  OutRow("a last plug-in call leaves the client exactly at the target", reached ? "yes" : "NO",
         NULL);
}

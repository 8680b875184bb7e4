#include "timing.h"

#include <stdlib.h>
#include <windows.h>

long long Ticks(void) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double TicksToMicros(long long ticks) {
  static long long frequency;
  if (frequency == 0) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    frequency = f.QuadPart;
  }
  return (double)ticks * 1e6 / (double)frequency;
}

// Orders two tick samples for qsort.
static int CompareTicks(const void* a, const void* b) {
  long long x = *(const long long*)a;
  long long y = *(const long long*)b;
  return x < y ? -1 : x > y ? 1 : 0;
}

double MedianMicros(long long* samples, int count) {
  if (count <= 0) return 0;
  qsort(samples, count, sizeof *samples, CompareTicks);
  long long middle =
      count % 2 ? samples[count / 2] : (samples[count / 2 - 1] + samples[count / 2]) / 2;
  return TicksToMicros(middle);
}

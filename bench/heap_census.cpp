#include "heap_census.h"

#include <windows.h>

// Room for the heap handles; a process has a handful.
static HANDLE heaps[256];

// Adds one heap's busy blocks to the census.
static void CountHeap(HANDLE heap, HeapCensus* census) {
  if (!HeapLock(heap)) return;
  PROCESS_HEAP_ENTRY entry;
  entry.lpData = NULL;
  while (HeapWalk(heap, &entry)) {
    if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) == 0) continue;
    ++census->blocks;
    census->bytes += entry.cbData;
  }
  HeapUnlock(heap);
}

HeapCensus TakeHeapCensus(void) {
  HeapCensus census = {0, 0};
  DWORD count = GetProcessHeaps(sizeof heaps / sizeof heaps[0], heaps);
  if (count > sizeof heaps / sizeof heaps[0]) count = sizeof heaps / sizeof heaps[0];
  for (DWORD i = 0; i < count; ++i) CountHeap(heaps[i], &census);
  return census;
}

HeapCensus CensusChange(HeapCensus before, HeapCensus after) {
  HeapCensus change = {after.blocks - before.blocks, after.bytes - before.bytes};
  return change;
}

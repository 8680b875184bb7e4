// Counting what is allocated on every heap of the process.
#pragma once

struct HeapCensus {
  long blocks;      // busy blocks over all heaps
  long long bytes;  // their sizes as the heaps report them
};

// Walks every heap of the process (GetProcessHeaps, HeapWalk) and counts
// its busy blocks. Allocates nothing itself.
HeapCensus TakeHeapCensus(void);

// after minus before.
HeapCensus CensusChange(HeapCensus before, HeapCensus after);

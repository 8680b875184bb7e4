// Timing with the performance counter, and medians of samples.
#pragma once

// Now, in performance-counter ticks.
long long Ticks(void);

// A tick count in microseconds.
double TicksToMicros(long long ticks);

// Median of count tick samples in microseconds; sorts the samples.
double MedianMicros(long long* samples, int count);

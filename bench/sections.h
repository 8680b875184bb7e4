// The benchmark's sections, run and printed in this order. Each measures
// first and prints afterwards, so its own output stays out of its figures.
#pragma once

// Wine version, processors and the performance counter's rate.
void PrintMachineInfo(void);

// 1. The client size four ways of fitting reach on each kind of window.
void BenchFitAccuracy(void);

// 2. One fitting call through the shipped DLL against the host doing the
// same measurements and moves itself.
void BenchCallCost(void);

// 3. Loading and unloading the plug-in against an empty DLL.
void BenchLoadCost(void);

// 4. Heap blocks the plug-in leaves behind at attach and during calls, and
// whether it imports any allocation function.
void BenchHeapUse(void);

// 5. The DLL file's size, its sections and its imports.
void BenchDllFile(void);

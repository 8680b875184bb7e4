// The benchmark program: fit accuracy, call and load cost, heap use and
// file size of clientfit.dll, printed as one table and saved to a file.
// Usage: clientfit-bench [REPORT-FILE]   (default build\bench\bench.txt)
#include <windows.h>

#include "report.h"
#include "sections.h"

// Makes the default report's folders, relative to the working directory.
static const char* DefaultReportPath(void) {
  CreateDirectoryA("build", NULL);
  CreateDirectoryA("build\\bench", NULL);
  return "build\\bench\\bench.txt";
}

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : DefaultReportPath();
  PrintMachineInfo();
  BenchFitAccuracy();
  BenchCallCost();
  BenchLoadCost();
  BenchHeapUse();
  BenchDllFile();
  if (!ReportSave(path)) {
    Out("\nreport not written to %s (error %lu)\n", path, GetLastError());
    return 1;
  }
  return 0;
}

// The report's heading: what the figures were measured on.
#include <stdio.h>
#include <windows.h>

#include "report.h"
#include "sections.h"

typedef const char*(__cdecl* WineGetVersionFn)(void);
typedef void(__cdecl* WineGetHostVersionFn)(const char** sysname, const char** release);

// Wine's version as its ntdll reports it; NULL on Windows itself.
static const char* WineVersion(void) {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  WineGetVersionFn get = (WineGetVersionFn)(void*)GetProcAddress(ntdll, "wine_get_version");
  return get != NULL ? get() : NULL;
}

// The host system under Wine, e.g. "Linux 6.1.0"; empty on Windows itself.
static void WineHost(char* text, int size) {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  WineGetHostVersionFn get =
      (WineGetHostVersionFn)(void*)GetProcAddress(ntdll, "wine_get_host_version");
  text[0] = '\0';
  const char* sysname = NULL;
  const char* release = NULL;
  if (get != NULL) get(&sysname, &release);
  if (sysname != NULL) snprintf(text, size, "%s %s", sysname, release ? release : "");
}

// The first processor's name from the registry (Wine fills it from the host).
static void ProcessorName(char* text, DWORD size) {
  lstrcpynA(text, "unknown", size);
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0,
                    KEY_READ, &key) != ERROR_SUCCESS)
    return;
  DWORD type = 0;
  DWORD length = size - 1;
  if (RegQueryValueExA(key, "ProcessorNameString", NULL, &type, (BYTE*)text, &length) ==
          ERROR_SUCCESS &&
      type == REG_SZ)
    text[length < size ? length : size - 1] = '\0';
  else
    lstrcpynA(text, "unknown", size);
  RegCloseKey(key);
}

void PrintMachineInfo(void) {
  const char* wine = WineVersion();
  char host[96];
  WineHost(host, sizeof host);
  char cpu[128];
  ProcessorName(cpu, sizeof cpu);
  SYSTEM_INFO info;
  GetNativeSystemInfo(&info);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);

  Out("clientfit benchmark\n");
  if (wine != NULL)
    Out("  runs on      Wine %s%s%s\n", wine, host[0] ? " on " : "", host);
  else
    Out("  runs on      Windows (no wine_get_version in ntdll)\n");
  Out("  processors   %lu, %s\n", info.dwNumberOfProcessors, cpu);
  Out("  timer        QueryPerformanceCounter at %lld Hz\n", frequency.QuadPart);
}

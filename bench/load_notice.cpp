#include "load_notice.h"

#include <string.h>

#include "pe_image.h"

// The loader's notification interface, declared here as Microsoft documents
// it: ntdll exports it, the MinGW headers do not declare it.
struct LoaderNoticeData {
  ULONG flags;
  const void* fullDllName;  // UNICODE_STRING*
  const void* baseDllName;  // UNICODE_STRING*
  void* dllBase;
  ULONG sizeOfImage;
};
typedef void(CALLBACK* LoaderNoticeFn)(ULONG reason, const LoaderNoticeData* data, void* context);
typedef LONG(NTAPI* LdrRegisterDllNotificationFn)(ULONG flags, LoaderNoticeFn notice, void* context,
                                                  void** cookie);
enum { kNoticeLoaded = 1 };

static LoadNotice last;

bool ModuleBssUntouched(HMODULE module) {
  IMAGE_NT_HEADERS* nt = ImageHeaders(module);
  IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
    if (strncmp((const char*)section->Name, ".bss", 8) != 0) continue;
    const BYTE* at = (const BYTE*)module + section->VirtualAddress;
    for (DWORD b = 0; b < section->Misc.VirtualSize; ++b)
      if (at[b] != 0) return false;
  }
  return true;
}

// Takes the census the moment a DLL is reported loaded. Runs under the
// loader lock; the census takes heap locks only and allocates nothing.
static void CALLBACK OnLoaderNotice(ULONG reason, const LoaderNoticeData* data, void*) {
  if (reason != kNoticeLoaded) return;
  last.bssUntouched = ModuleBssUntouched((HMODULE)data->dllBase);
  last.atNotice = TakeHeapCensus();
  last.seen = true;
}

bool LoadNoticeRegister(void) {
  static bool registered;
  if (registered) return true;
  LdrRegisterDllNotificationFn registerNotice = (LdrRegisterDllNotificationFn)(void*)GetProcAddress(
      GetModuleHandleA("ntdll.dll"), "LdrRegisterDllNotification");
  void* cookie = NULL;
  registered = registerNotice != NULL && registerNotice(0, OnLoaderNotice, NULL, &cookie) == 0;
  return registered;
}

void LoadNoticeArm(void) { last.seen = false; }

LoadNotice LoadNoticeLast(void) { return last; }

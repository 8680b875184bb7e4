#include "iat_patch.h"

#include <string.h>

#include "pe_image.h"

// Writes one address into a read-only import slot.
static void WriteSlot(IMAGE_THUNK_DATA* slot, void* value) {
  DWORD old;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
  slot->u1.Function = (DWORD_PTR)value;
  VirtualProtect(slot, sizeof *slot, old, &old);
  FlushInstructionCache(GetCurrentProcess(), slot, sizeof *slot);
}

void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement) {
  BYTE* base = (BYTE*)module;
  IMAGE_IMPORT_DESCRIPTOR* desc =
      (IMAGE_IMPORT_DESCRIPTOR*)ImageDirectory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
  for (; desc != NULL && desc->Name != 0; ++desc) {
    if (lstrcmpiA((const char*)(base + desc->Name), dll) != 0) continue;
    IMAGE_THUNK_DATA* names = (IMAGE_THUNK_DATA*)(base + desc->OriginalFirstThunk);
    IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + desc->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      IMAGE_IMPORT_BY_NAME* byName = (IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData);
      if (strcmp((const char*)byName->Name, function) != 0) continue;
      void* previous = (void*)slots->u1.Function;
      WriteSlot(slots, replacement);
      return previous;
    }
  }
  return NULL;
}

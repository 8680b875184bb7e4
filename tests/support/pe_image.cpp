#include "pe_image.h"

#include <stdio.h>
#include <string.h>

IMAGE_NT_HEADERS* ImageHeaders(HMODULE module) {
  BYTE* base = (BYTE*)module;
  return (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
}

void* ImageDirectory(HMODULE module, int entry) {
  IMAGE_DATA_DIRECTORY dir = ImageHeaders(module)->OptionalHeader.DataDirectory[entry];
  return dir.VirtualAddress != 0 ? (BYTE*)module + dir.VirtualAddress : NULL;
}

void ImageForEachImport(HMODULE module,
                        void (*visit)(const char* dll, const char* function, void* data),
                        void* data) {
  BYTE* base = (BYTE*)module;
  IMAGE_IMPORT_DESCRIPTOR* desc =
      (IMAGE_IMPORT_DESCRIPTOR*)ImageDirectory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
  for (; desc != NULL && desc->Name != 0; ++desc) {
    const char* dll = (const char*)(base + desc->Name);
    DWORD lookup = desc->OriginalFirstThunk != 0 ? desc->OriginalFirstThunk : desc->FirstThunk;
    for (IMAGE_THUNK_DATA* t = (IMAGE_THUNK_DATA*)(base + lookup); t->u1.AddressOfData; ++t) {
      char ordinal[16];
      const char* function = ordinal;
      if (IMAGE_SNAP_BY_ORDINAL(t->u1.Ordinal))
        snprintf(ordinal, sizeof ordinal, "#%u", (unsigned)IMAGE_ORDINAL(t->u1.Ordinal));
      else
        function = (const char*)((IMAGE_IMPORT_BY_NAME*)(base + t->u1.AddressOfData))->Name;
      visit(dll, function, data);
    }
  }
}

void ImageForEachExport(HMODULE module, void (*visit)(const char* name, WORD ordinal, void* data),
                        void* data) {
  BYTE* base = (BYTE*)module;
  IMAGE_EXPORT_DIRECTORY* dir =
      (IMAGE_EXPORT_DIRECTORY*)ImageDirectory(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
  if (dir == NULL) return;
  DWORD* names = (DWORD*)(base + dir->AddressOfNames);
  WORD* indexes = (WORD*)(base + dir->AddressOfNameOrdinals);
  for (DWORD i = 0; i < dir->NumberOfNames; ++i)
    visit((const char*)(base + names[i]), (WORD)(dir->Base + indexes[i]), data);
}

struct ImportText {
  char* text;
  size_t size;
  const char* lastDll;
};

// Appends one import to the description, starting a new group per DLL.
static void AppendImport(const char* dll, const char* function, void* data) {
  ImportText* out = (ImportText*)data;
  size_t used = strlen(out->text);
  if (out->lastDll == NULL || strcmp(out->lastDll, dll) != 0)
    snprintf(out->text + used, out->size - used, "%s%s:", out->lastDll ? "; " : "", dll);
  used = strlen(out->text);
  snprintf(out->text + used, out->size - used, " %s", function);
  out->lastDll = dll;
}

void ImageDescribeImports(HMODULE module, char* text, size_t size) {
  ImportText out = {text, size, NULL};
  text[0] = '\0';
  ImageForEachImport(module, AppendImport, &out);
}

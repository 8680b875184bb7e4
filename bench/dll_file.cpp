// The shipped DLL as a file: its size, what the size is made of (headers
// and sections, each padded to the file alignment) and what it imports.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "plugin_module.h"
#include "pe_image.h"
#include "report.h"
#include "sections.h"

struct SystemCheck {
  int imports;
  int outside;  // imports from a DLL not found in the system folder
  char firstOutside[128];
};

// Counts an import, and whether its DLL lies in the system folder.
static void CheckSystemImport(const char* dll, const char* function, void* data) {
  SystemCheck* check = (SystemCheck*)data;
  ++check->imports;
  char path[MAX_PATH * 2];
  UINT length = GetSystemDirectoryA(path, MAX_PATH);
  snprintf(path + length, sizeof path - length, "\\%s", dll);
  if (length != 0 && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return;
  if (check->outside++ == 0)
    snprintf(check->firstOutside, sizeof check->firstOutside, "%s!%s", dll, function);
}

// Prints the section table: name, bytes in the file, bytes used in memory.
static void PrintSections(IMAGE_NT_HEADERS* nt) {
  IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  Out("   %-10s %10s %10s\n", "section", "file bytes", "used bytes");
  Out("   %-10s %10lu\n", "(headers)", nt->OptionalHeader.SizeOfHeaders);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
    Out("   %-10.8s %10lu %10lu\n", (const char*)section->Name, section->SizeOfRawData,
        section->Misc.VirtualSize);
}

// Headers plus every section's bytes in the file.
static DWORD MappedFileBytes(IMAGE_NT_HEADERS* nt) {
  DWORD total = nt->OptionalHeader.SizeOfHeaders;
  IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
    total += section->SizeOfRawData;
  return total;
}

// Prints "A.dll: f g; B.dll: h" as one indented line per DLL.
static void PrintImportGroups(char* text) {
  for (char* group = text; group != NULL && *group != '\0';) {
    char* next = strstr(group, "; ");
    if (next != NULL) *next = '\0';
    Out("     %s\n", group);
    group = next != NULL ? next + 2 : NULL;
  }
}

void BenchDllFile(void) {
  char path[MAX_PATH * 4];
  PathBesideExecutable("clientfit.dll", path, sizeof path);
  WIN32_FILE_ATTRIBUTE_DATA file;
  // Mapped as an image only: no entry point run, no imports resolved.
  HMODULE module = LoadLibraryExA(path, NULL, DONT_RESOLVE_DLL_REFERENCES);
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &file) || module == NULL) {
    Out("\n5. clientfit.dll: could not be read (error %lu)\n", GetLastError());
    return;
  }
  IMAGE_NT_HEADERS* nt = ImageHeaders(module);
  static char imports[4096];
  ImageDescribeImports(module, imports, sizeof imports);
  SystemCheck check = {0, 0, ""};
  ImageForEachImport(module, CheckSystemImport, &check);

  Out("\n5. clientfit.dll file: %lu bytes\n", file.nFileSizeLow);
  PrintSections(nt);
  Out("   size = headers + %u sections, each padded to the %lu-byte file alignment "
      "(%lu bytes; .bss takes none)\n",
      nt->FileHeader.NumberOfSections, nt->OptionalHeader.FileAlignment, MappedFileBytes(nt));
  Out("   imports, %d functions:\n", check.imports);
  PrintImportGroups(imports);
  if (check.outside == 0)
    Out("   goal: only system DLLs: met (every imported DLL is in the system folder)\n");
  else
    Out("   goal: only system DLLs: NOT MET (%d imports outside, first %s)\n", check.outside,
        check.firstOutside);
  FreeLibrary(module);
}

// The shipped DLL's image: a PE32 DLL for x86 that imports only Windows'
// own system DLLs, needs no TLS, and exports exactly the three entry points.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "ok.h"
#include "pe_image.h"

// Windows' own DLLs the plug-in may import from.
static const char* const kSystemDlls[] = {"KERNEL32.dll", "USER32.dll", "msvcrt.dll"};

struct ExpectedExport {
  const char* name;
  WORD ordinal;
  int seen;
};

// Fails on an import from any DLL but the system ones.
static void CheckImport(const char* dll, const char* function, void*) {
  int system = 0;
  for (const char* allowed : kSystemDlls) system |= lstrcmpiA(dll, allowed) == 0;
  ok(system, "import %s from %s, expected only %s, %s or %s", function, dll, kSystemDlls[0],
     kSystemDlls[1], kSystemDlls[2]);
}

// Fails on an export not in the table, or with another ordinal.
static void CheckExport(const char* name, WORD ordinal, void* data) {
  ExpectedExport* expected = (ExpectedExport*)data;
  for (; expected->name != NULL; ++expected) {
    if (strcmp(expected->name, name) != 0) continue;
    ok(ordinal == expected->ordinal, "export %s has ordinal %u, expected %u", name, ordinal,
       expected->ordinal);
    ++expected->seen;
    return;
  }
  ok(0, "unexpected export %s (ordinal %u)", name, ordinal);
}

static void TestHeaders(HMODULE dll) {
  IMAGE_NT_HEADERS* nt = ImageHeaders(dll);
  ok(nt->FileHeader.Machine == IMAGE_FILE_MACHINE_I386, "machine %#x, expected %#x",
     nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  ok(nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC, "optional header magic %#x, expected %#x",
     nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  ok((nt->FileHeader.Characteristics & IMAGE_FILE_DLL) != 0, "characteristics %#x lack IMAGE_FILE_DLL",
     nt->FileHeader.Characteristics);
  ok(ImageDirectory(dll, IMAGE_DIRECTORY_ENTRY_TLS) == NULL, "image has a TLS directory");
}

static void TestImports(HMODULE dll) {
  char imports[2048];
  ImageDescribeImports(dll, imports, sizeof imports);
  printf("imports: %s\n", imports);
  ImageForEachImport(dll, CheckImport, NULL);
}

static void TestExports(HMODULE dll) {
  ExpectedExport expected[] = {
      {"Finalize", 1, 0}, {"Initialize", 2, 0}, {"VorqPlugInMain", 3, 0}, {NULL, 0, 0}};
  ImageForEachExport(dll, CheckExport, expected);
  for (ExpectedExport* e = expected; e->name != NULL; ++e)
    ok(e->seen == 1, "export %s seen %d times, expected 1", e->name, e->seen);

  IMAGE_EXPORT_DIRECTORY* dir =
      (IMAGE_EXPORT_DIRECTORY*)ImageDirectory(dll, IMAGE_DIRECTORY_ENTRY_EXPORT);
  ok(dir != NULL && dir->NumberOfFunctions == 3, "export address table has %lu entries, expected 3",
     dir != NULL ? dir->NumberOfFunctions : 0);
}

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "clientfit.dll";
  // Mapped as an image without running its entry point or resolving imports.
  HMODULE dll = LoadLibraryExA(path, NULL, DONT_RESOLVE_DLL_REFERENCES);
  ok(dll != NULL, "LoadLibraryExA(%s) failed, error %lu", path, GetLastError());
  if (dll == NULL) return OkFinish("image_test");
  TestHeaders(dll);
  TestImports(dll);
  TestExports(dll);
  return OkFinish("image_test");
}

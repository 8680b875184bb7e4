// Reading a mapped PE image's headers, imports and exports.
#pragma once

#include <stddef.h>
#include <windows.h>

// The image's NT headers.
IMAGE_NT_HEADERS* ImageHeaders(HMODULE module);

// Start of a data directory entry (IMAGE_DIRECTORY_ENTRY_*), NULL if empty.
void* ImageDirectory(HMODULE module, int entry);

// Calls visit for each function the image imports, with its DLL's name;
// functions imported by ordinal come as "#ordinal".
void ImageForEachImport(HMODULE module,
                        void (*visit)(const char* dll, const char* function, void* data),
                        void* data);

// Calls visit for each exported name with its ordinal.
void ImageForEachExport(HMODULE module, void (*visit)(const char* name, WORD ordinal, void* data),
                        void* data);

// Writes "KERNEL32.dll: A B; USER32.dll: C" into text.
void ImageDescribeImports(HMODULE module, char* text, size_t size);

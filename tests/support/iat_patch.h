// Redirects one of a module's imports by rewriting its import address
// table, so a test can count the calls the shipped DLL makes.
#pragma once

#include <windows.h>

// Replaces module's import of function from dll (names compared without
// regard to case for the DLL); returns the previous address, or NULL when
// the module does not import it.
void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement);

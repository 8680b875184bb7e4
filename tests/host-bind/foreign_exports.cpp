// A program that is no host engine but happens to export two of the
// service names.
#include "callconv.h"

extern "C" __declspec(dllexport) int CLIENTFIT_CALL DrawFill(void) { return 9; }
extern "C" __declspec(dllexport) int CLIENTFIT_CALL QVKGetFile(void) { return 14; }

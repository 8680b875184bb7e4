// Calling convention shared by the plug-in and its host: the three exports
// use it, and so do the plug-in's calls into host services. The build picks
// it (CLIENTFIT_CALLCONV=cdecl or stdcall); export names stay undecorated.
#pragma once

#if defined(CLIENTFIT_STDCALL)
#define CLIENTFIT_CALL __stdcall
#else
#define CLIENTFIT_CALL __cdecl
#endif

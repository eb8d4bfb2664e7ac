// Keeps DLL loading to the system folder, so a DLL beside the downloaded setup is never loaded.
#pragma once

#include <windows.h>

namespace setup {

// Called first in the program: later loads (also the system's own delayed ones) search the
// system folder only, where the system offers that.
void RestrictDllSearchToSystem();

// Loads a system DLL by name from the system folder only.
HMODULE LoadSystemLibrary(const char* name);

}  // namespace setup

// OLEACC.DLL's ObjectFromLresult, loaded from the system folder on first need.
#pragma once

#include <windows.h>

namespace korvalith {

using ObjectFromLresultFn = HRESULT(WINAPI*)(LRESULT, REFIID, WPARAM, void**);

// The export, or null. A library that does not load is tried again on the next call; one
// that loads without the export is not looked at again. Both stay loaded until the end.
ObjectFromLresultFn ObjectFromLresultEntry();

}  // namespace korvalith

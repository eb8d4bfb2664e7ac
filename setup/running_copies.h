// Asks every running copy of the password program to close, through its instance marker.
#pragma once

namespace setup {

inline constexpr char kInstanceMarker[] = "Korvalith MainWnd";

// True when no copy is left; false when a copy stayed and the user chose to go back.
bool CloseRunningKorvalith();

}  // namespace setup

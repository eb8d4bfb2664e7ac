// The uninstaller run for the "-ui" command line.
#pragma once

// Asks for confirmation, asks a running copy to close, replays the install log backwards,
// leaves a hidden script that deletes the program file and its folder after the program has
// ended, deletes the registry keys and reports completion. All questions go through the
// message seam.
void Uninstall();

// Free file names in the temporary-files folder.
#pragma once

#include <string>

// GetTempDir() followed by "Korvalith<n><ext>" for the smallest n = 0, 1, 2, ... at which
// nothing exists yet.
std::string GetUniqueTempFileName(const std::string& ext);

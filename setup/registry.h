// Reading and writing the string values of the setup's registry keys.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace setup {

// The string value; with create, the key is opened with all access and made when missing,
// otherwise it is only opened for reading.
std::optional<std::string> ReadRegString(HKEY root, const char* key, const char* value,
                                         bool create);
// Opens (or makes) the key with all access and sets the REG_SZ value; failures are ignored.
void WriteRegString(HKEY root, const char* key, const char* value, const std::string& text);

}  // namespace setup

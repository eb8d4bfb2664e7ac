// Overwriting of password buffers so that no copy stays behind in memory.
#pragma once

#include <cstddef>
#include <string>

// Writes zeros over the bytes through a volatile pointer, which the compiler must not drop.
void SecureWipe(void* data, size_t size);

// Zeros the string's characters, then empties it.
void WipeString(std::string& s);

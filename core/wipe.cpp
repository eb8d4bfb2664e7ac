// Overwriting of password buffers that survives optimisation.
#include "core/wipe.h"

void SecureWipe(void* data, size_t size) {
    volatile unsigned char* p = static_cast<volatile unsigned char*>(data);
    while (size-- > 0) {
        *p++ = 0;
    }
}

void WipeString(std::string& s) {
    SecureWipe(s.data(), s.size());
    s.clear();
}

// Conversions between ANSI strings and BSTRs through the system code page.
#include "target/bstr.h"

namespace korvalith {

BSTR AnsiToBstr(const std::string& s) {
    const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), int(s.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, UINT(n));
    if (out && n > 0) MultiByteToWideChar(CP_ACP, 0, s.data(), int(s.size()), out, n);
    return out;
}

std::string BstrToAnsi(BSTR s) {
    const int len = int(SysStringLen(s));
    if (len == 0) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, s, len, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, s, len, out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace korvalith

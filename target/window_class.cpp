// WindowClassName: GetClassNameA into a fixed buffer.
#include "target/window_class.h"

namespace korvalith {
namespace {
constexpr int kClassNameBuffer = 255;
}

std::string WindowClassName(HWND wnd) {
    char name[kClassNameBuffer] = {};
    // One character fewer than the buffer, so that a name is cut at 254 characters.
    const int n = GetClassNameA(wnd, name, kClassNameBuffer - 1);
    return std::string(name, n > 0 ? size_t(n) : 0);
}

}  // namespace korvalith

// Registry string values through owned key handles.
#include "setup/registry.h"

#include <vector>

#include "ui/handles.h"

namespace setup {
namespace {

ui::KeyHandle OpenKey(HKEY root, const char* key, bool create) {
    HKEY h = nullptr;
    const LONG rc = create ? RegCreateKeyExA(root, key, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, &h, nullptr)
                           : RegOpenKeyExA(root, key, 0, KEY_READ, &h);
    return ui::KeyHandle(rc == ERROR_SUCCESS ? h : nullptr);
}

}  // namespace

std::optional<std::string> ReadRegString(HKEY root, const char* key, const char* value,
                                         bool create) {
    ui::KeyHandle k = OpenKey(root, key, create);
    DWORD type = 0;
    DWORD size = 0;
    if (!k || RegQueryValueExA(k.Get(), value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    std::vector<char> buf(size + 1, '\0');
    if (RegQueryValueExA(k.Get(), value, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                         &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(buf.data());
}

void WriteRegString(HKEY root, const char* key, const char* value, const std::string& text) {
    ui::KeyHandle k = OpenKey(root, key, true);
    if (k) {
        RegSetValueExA(k.Get(), value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }
}

}  // namespace setup

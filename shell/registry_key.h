// An open registry key, closed when its owner goes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

class RegistryKey {
  public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }

    // Opens the key, creating it and its parents when missing; false when that fails.
    bool Create(HKEY root, const char* subKey) {
        return RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                               nullptr) == ERROR_SUCCESS;
    }

    bool IsOpen() const { return key_ != nullptr; }

    bool HasValue(const char* name) const {
        return key_ != nullptr &&
               RegQueryValueExA(key_, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    // The value as a 32-bit integer when it exists as REG_DWORD.
    std::optional<int32_t> ReadDword(const char* name) const {
        DWORD type = 0;
        DWORD value = 0;
        DWORD size = sizeof value;
        if (key_ == nullptr ||
            RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                ERROR_SUCCESS ||
            type != REG_DWORD || size != sizeof value) {
            return std::nullopt;
        }
        return static_cast<int32_t>(value);
    }

    bool WriteDword(const char* name, DWORD value) const {
        return key_ != nullptr &&
               RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                              sizeof value) == ERROR_SUCCESS;
    }

  private:
    HKEY key_ = nullptr;
};

// The program's four settings, their defaults and how stored integers become settings.
#pragma once

#include <cstdint>
#include <optional>

struct TKorvalithOptions {
    uint8_t PasLen;
    bool PopupWnd;
    uint16_t HotKey;
    bool ShowIntro;
};

constexpr uint8_t kDefaultPasLen = 3;
constexpr bool kDefaultPopupWnd = true;
constexpr uint16_t kDefaultHotKey = 0xC050;  // Ctrl+Alt+P as a shortcut value

// The stored integers as read; nullopt where a value is absent or unreadable.
struct StoredOptionValues {
    std::optional<int32_t> pasLen;
    std::optional<int32_t> popupWnd;
    std::optional<int32_t> hotKey;
};

// Defaults for absent values; PasLen keeps the low 8 bits, HotKey the low 16, PopupWnd is
// true for any non-zero integer.
TKorvalithOptions OptionsFromStored(const StoredOptionValues& stored, bool showIntro);

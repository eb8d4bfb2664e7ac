// Reading integers from INI text.
#include "shell/ini_value.h"

namespace {

constexpr size_t kMaxHexDigits = 8;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<int32_t> ParseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > kMaxHexDigits) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(value);
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const int64_t limit = negative ? int64_t{INT32_MAX} + 1 : int64_t{INT32_MAX};
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<int32_t> ParseIniInteger(std::string_view text) {
    if (text.starts_with('$')) {
        return ParseHex(text.substr(1));
    }
    if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X"))) {
        return ParseHex(text.substr(2));
    }
    return ParseDecimal(text);
}

int32_t IniIntegerOr(std::string_view text, int32_t fallback) {
    return ParseIniInteger(text).value_or(fallback);
}

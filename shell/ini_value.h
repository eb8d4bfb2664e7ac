// Reading integers from INI text: decimal, or hexadecimal after "$" or "0x".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A 32-bit integer: optional sign and decimal digits, or "$" / "0x" / "0X" followed by one to
// eight hexadecimal digits (taken as 32 bits, so "$FFFFFFFF" is -1). Anything else is no integer.
std::optional<int32_t> ParseIniInteger(std::string_view text);

// The integer of the text, or fallback when the text is no integer.
int32_t IniIntegerOr(std::string_view text, int32_t fallback);

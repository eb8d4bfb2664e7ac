// The texts that password delivery shows, and the choice of the limit message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace korvalith {

inline constexpr char kNoInsertQuestion[] =
    "Korvalith could not insert the password in the target box.\r\rWould you like to place the "
    "password onto the Windows clipboard so that you can paste it manually?";

// The message for a box that takes at most `limit` characters and a password of `length`;
// none when the password fits (or the box names no limit, limit <= 0).
std::optional<std::string> LimitMessage(int32_t limit, size_t length);

}  // namespace korvalith

// Limit messages: their thresholds are the bounds of the shortest length class.
#include "target/delivery_messages.h"

#include "core/selection.h"

#include <cstdio>

namespace korvalith {
namespace {

constexpr char kBelowAnyClass[] =
    "Sorry, but the target box does not accept passwords longer than %d characters. Korvalith "
    "does not support passwords shorter than %d characters.";
constexpr char kBelowShortestMax[] =
    "The target box does not accept passwords longer than %d characters.\r\rPlease select a "
    "different combination of pictures to generate a shorter password.";
constexpr char kShorterClassPossible[] =
    "The target box does not accept passwords longer than %d characters.\r\rPlease select a "
    "different combination of pictures to generate a shorter password, or specify a shorter "
    "\"Password length\" at the bottom of this window.";

std::string Format(const char* pattern, int a, int b = 0) {
    char text[512];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

}  // namespace

std::optional<std::string> LimitMessage(int32_t limit, size_t length) {
    if (limit <= 0 || size_t(limit) >= length) return std::nullopt;
    const LengthRange shortest = kLengthClasses[0];
    if (limit < shortest.min) return Format(kBelowAnyClass, limit, shortest.min);
    if (limit < shortest.max) return Format(kBelowShortestMax, limit);
    return Format(kShorterClassPossible, limit);
}

}  // namespace korvalith

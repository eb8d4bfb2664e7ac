// The four fixed tables of the derivation. Their values are key material: see derive_tables.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/selection.h"

constexpr int kKeySize = 16;
constexpr int kShortestPassword = 8;
constexpr int kLongestPassword = 64;
constexpr int kSeedCount = kLongestPassword - kShortestPassword + 1;
constexpr int kAlphabetSize = 256;

using PictureKey = std::array<uint8_t, kKeySize>;

// One non-zero weight per picture index, summed over the selection.
extern const std::array<int32_t, kPictureCount> kWeightTable;
// The cipher key of each picture index.
extern const std::array<PictureKey, kPictureCount> kKeyTable;
// The starting text for each length L, at index L - kShortestPassword; exactly L bytes, zero
// bytes included, so always copied by length.
extern const std::array<std::span<const uint8_t>, kSeedCount> kSeedTable;
// Enciphered byte to character, one table for an even weight sum and one for an odd one.
extern const std::array<std::string_view, 2> kOutputAlphabets;

// The selections the derivation benchmarks time: the worst case and small everyday ones.
#pragma once

#include "core/derive_internal.h"
#include "core/selection.h"

// Nearly all pictures, leaving out the fewest (one or two) that make the class-3 length 64.
inline SelectionFlags WorstCaseSelection() {
    SelectionFlags all{};
    all.fill(1);
    const auto longest = [](const SelectionFlags& s) {
        return PasswordLength(SumMagnitude(WeightSum(s)), 3) == 64;
    };
    if (longest(all)) {
        return all;
    }
    for (int a = 0; a < kPictureCount; ++a) {
        SelectionFlags s = all;
        s[a] = 0;
        if (longest(s)) {
            return s;
        }
    }
    for (int a = 0; a < kPictureCount; ++a) {
        for (int b = a + 1; b < kPictureCount; ++b) {
            SelectionFlags s = all;
            s[a] = s[b] = 0;
            if (longest(s)) {
                return s;
            }
        }
    }
    return all;
}

// count pictures spread over all categories.
inline SelectionFlags SpreadSelection(int count) {
    SelectionFlags s{};
    for (int i = 0; i < count; ++i) {
        s[(i * 67) % kPictureCount] = 1;
    }
    return s;
}

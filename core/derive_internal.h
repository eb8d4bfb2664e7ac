// The steps of the derivation, open to the tests and tools that need to reach them one by one.
#pragma once

#include <cstdint>
#include <string>

#include "core/derive_tables.h"
#include "core/selection.h"

// Sum of the weights of the selected pictures, wrapping like two's-complement 32-bit arithmetic.
int32_t WeightSum(const SelectionFlags& selection);

// The absolute value of the sum. The one sum without a signed magnitude, INT32_MIN, gets the
// unsigned 2147483648; that choice is as permanent as the tables.
uint32_t SumMagnitude(int32_t sum);

// The password length for a magnitude within a class's range.
int PasswordLength(uint32_t magnitude, int lengthClass);

// The derivation with the weight sum given rather than computed from the selection.
std::string DeriveWithSum(const SelectionFlags& selection, int lengthClass, int32_t sum);

// One channel of the PC1 stream cipher, 128-bit key form.
struct Pc1Channel {
    PictureKey key{};
    uint16_t carry = 0;
    uint16_t chain = 0;

    // Enciphers one byte; the key then changes by the input byte.
    uint8_t Encipher(uint8_t x);
    // Enciphers text[0..length-1] in place, byte after byte, as Encipher would.
    void EncipherPass(uint8_t* text, int length);
};

// The password derivation: two PC1 channels encipher a fixed seed text twice per selected picture.
#include "core/derive.h"

#include <cstring>

#include "core/derive_internal.h"
#include "core/wipe.h"

namespace {

constexpr uint32_t kMultiplierChain = 0x4E35;
constexpr uint32_t kMultiplierCarry = 0x015A;
constexpr int kStepWords = kKeySize / 2;

}  // namespace

void Pc1Channel::EncipherPass(uint8_t* text, int length) {
    // The key change by each input byte x (every key byte xor x) is carried as one running xor
    // over both bytes of every key word, so a step never rewrites the key. All arithmetic runs
    // in 32 bits: sums, products and xors agree with 16-bit arithmetic in their low 16 bits,
    // which are all that reach the output byte and the stored state.
    uint32_t keyWords[kStepWords];
    for (int i = 0; i < kStepWords; ++i) {
        keyWords[i] = static_cast<uint32_t>(key[2 * i] << 8 | key[2 * i + 1]);
    }
    uint32_t carryWord = carry;
    uint32_t chainWord = chain;
    uint32_t inputXor = 0;
    for (int j = 0; j < length; ++j) {
        const uint32_t x = text[j];
        const uint32_t keyMask = inputXor * 0x0101;
        uint32_t w = 0;
        uint32_t inter = 0;
        for (int i = 0; i < kStepWords; ++i) {
            const uint32_t a = w ^ keyWords[i] ^ keyMask;  // w is 0 before the first step
            const uint32_t s = carryWord;
            carryWord = a * kMultiplierCarry;
            chainWord = s + (chainWord + static_cast<uint32_t>(i)) * kMultiplierChain + carryWord;
            w = a * kMultiplierChain + 1;
            inter ^= w ^ chainWord;
        }
        text[j] = static_cast<uint8_t>(x ^ (inter >> 8) ^ inter);
        inputXor ^= x;
    }
    carry = static_cast<uint16_t>(carryWord);
    chain = static_cast<uint16_t>(chainWord);
    for (uint8_t& k : key) {
        k ^= static_cast<uint8_t>(inputXor);
    }
}

uint8_t Pc1Channel::Encipher(uint8_t x) {
    EncipherPass(&x, 1);
    return x;
}

int32_t WeightSum(const SelectionFlags& selection) {
    uint32_t sum = 0;
    for (int k = 0; k < kPictureCount; ++k) {
        if (selection[k] != 0) {
            sum += static_cast<uint32_t>(kWeightTable[k]);
        }
    }
    return static_cast<int32_t>(sum);
}

uint32_t SumMagnitude(int32_t sum) {
    const uint32_t bits = static_cast<uint32_t>(sum);
    return sum < 0 ? 0u - bits : bits;
}

int PasswordLength(uint32_t magnitude, int lengthClass) {
    const LengthRange range = ClassRange(lengthClass);
    const uint32_t size = static_cast<uint32_t>(range.max - range.min + 1);
    return range.min + static_cast<int>(magnitude % size);
}

std::string DeriveWithSum(const SelectionFlags& selection, int lengthClass, int32_t sum) {
    const uint32_t m = SumMagnitude(sum);
    const int length = PasswordLength(m, lengthClass);

    uint8_t text[kLongestPassword];
    const std::span<const uint8_t> seed = kSeedTable[length - kShortestPassword];
    std::memcpy(text, seed.data(), seed.size());

    // The state words persist over all pictures of one derivation; the keys are fresh per picture.
    Pc1Channel first;
    Pc1Channel second;
    for (uint32_t k = 0; k < kPictureCount; ++k) {
        if (selection[k] == 0) {
            continue;
        }
        first.key = kKeyTable[k];
        second.key = kKeyTable[(m ^ k) % kPictureCount];
        first.EncipherPass(text, length);
        second.EncipherPass(text, length);
    }

    const std::string_view alphabet = kOutputAlphabets[m & 1];
    for (int i = 1; i <= length; ++i) {
        text[i - 1] = static_cast<uint8_t>(
            alphabet[(m % static_cast<uint32_t>(i) + text[i - 1]) % kAlphabetSize]);
    }

    std::string password(reinterpret_cast<const char*>(text), static_cast<size_t>(length));
    SecureWipe(text, sizeof text);
    SecureWipe(&first, sizeof first);
    SecureWipe(&second, sizeof second);
    return password;
}

std::string DerivePassword(const SelectionFlags& selection, int lengthClass) {
    return DeriveWithSum(selection, lengthClass, WeightSum(selection));
}

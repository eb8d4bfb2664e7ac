// Makes the derivation's fixed tables from the system's random source and writes them as C++.
// Run once; the output is committed and never made again, because every stored password
// depends on it.
#include <sys/random.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kPictureCount = 512;
constexpr int kKeySize = 16;
constexpr int kShortestPassword = 8;
constexpr int kLongestPassword = 64;
constexpr int kAlphabetSize = 256;
constexpr std::string_view kCharacters =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

void RandomBytes(void* data, size_t size) {
    auto* p = static_cast<unsigned char*>(data);
    while (size > 0) {
        const ssize_t got = getrandom(p, size, 0);
        if (got < 0) {
            throw std::runtime_error("getrandom failed");
        }
        p += got;
        size -= static_cast<size_t>(got);
    }
}

uint32_t RandomWord() {
    uint32_t w;
    RandomBytes(&w, sizeof w);
    return w;
}

// Uniform in 0..bound-1 without modulo bias.
uint32_t RandomBelow(uint32_t bound) {
    const uint32_t limit = UINT32_MAX - UINT32_MAX % bound;
    for (;;) {
        const uint32_t w = RandomWord();
        if (w < limit) {
            return w % bound;
        }
    }
}

template <typename T>
void Shuffle(std::vector<T>& items) {
    for (size_t i = items.size() - 1; i > 0; --i) {
        std::swap(items[i], items[RandomBelow(static_cast<uint32_t>(i + 1))]);
    }
}

std::vector<uint8_t> RandomByteString(size_t size) {
    std::vector<uint8_t> bytes(size);
    RandomBytes(bytes.data(), bytes.size());
    return bytes;
}

// Each of the 62 characters 4 times, 8 of them a fifth time, in random order.
std::string MakeAlphabet() {
    std::vector<char> extra(kCharacters.begin(), kCharacters.end());
    Shuffle(extra);
    std::vector<char> table;
    for (int round = 0; round < 4; ++round) {
        table.insert(table.end(), kCharacters.begin(), kCharacters.end());
    }
    table.insert(table.end(), extra.begin(), extra.begin() + (kAlphabetSize - table.size()));
    Shuffle(table);
    return std::string(table.begin(), table.end());
}

void WriteBytes(FILE* out, const std::vector<uint8_t>& bytes, const char* indent) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::fprintf(out, "%s0x%02X,", i % 12 == 0 ? indent : " ", bytes[i]);
        if (i % 12 == 11 || i + 1 == bytes.size()) {
            std::fprintf(out, "\n");
        }
    }
}

void Write(FILE* out) {
    std::fprintf(out,
                 "// The fixed key material of the password derivation, made once from the system's"
                 " random source.\n"
                 "//\n"
                 "// NEVER REGENERATE OR EDIT THIS FILE. Changing any value changes the password of"
                 " every\n"
                 "// selection that reaches it, so users could no longer re-create their"
                 " passwords.\n"
                 "// clang-format off\n"
                 "#include \"core/derive_tables.h\"\n\n");

    std::fprintf(out, "extern constexpr std::array<int32_t, kPictureCount> kWeightTable = {\n");
    for (int k = 0; k < kPictureCount; ++k) {
        int32_t w;
        do {
            w = static_cast<int32_t>(RandomWord());
        } while (w == 0 || w == INT32_MIN);
        // INT32_MIN is written as an expression; avoiding it keeps every literal plain.
        std::fprintf(out, "%s%d,", k % 6 == 0 ? "    " : " ", w);
        if (k % 6 == 5 || k + 1 == kPictureCount) {
            std::fprintf(out, "\n");
        }
    }
    std::fprintf(out, "};\n\n");

    std::fprintf(out, "extern constexpr std::array<PictureKey, kPictureCount> kKeyTable = {{\n");
    for (int k = 0; k < kPictureCount; ++k) {
        const std::vector<uint8_t> key = RandomByteString(kKeySize);
        std::fprintf(out, "    {");
        for (int j = 0; j < kKeySize; ++j) {
            std::fprintf(out, "%s0x%02X", j == 0 ? "" : ", ", key[j]);
        }
        std::fprintf(out, "},\n");
    }
    std::fprintf(out, "}};\n\n");

    std::vector<std::vector<uint8_t>> seeds;
    bool hasZero = false;
    do {
        seeds.clear();
        for (int length = kShortestPassword; length <= kLongestPassword; ++length) {
            seeds.push_back(RandomByteString(static_cast<size_t>(length)));
        }
        hasZero = std::any_of(seeds.begin(), seeds.end(), [](const std::vector<uint8_t>& s) {
            return std::find(s.begin(), s.end(), 0) != s.end();
        });
    } while (!hasZero);
    for (const std::vector<uint8_t>& seed : seeds) {
        std::fprintf(out, "constexpr uint8_t kSeed%zu[%zu] = {\n", seed.size(), seed.size());
        WriteBytes(out, seed, "    ");
        std::fprintf(out, "};\n");
    }
    std::fprintf(
        out,
        "\nextern constexpr std::array<std::span<const uint8_t>, kSeedCount> kSeedTable = {\n");
    for (const std::vector<uint8_t>& seed : seeds) {
        std::fprintf(out, "    kSeed%zu,\n", seed.size());
    }
    std::fprintf(out, "};\n\n");

    std::fprintf(out, "extern constexpr std::array<std::string_view, 2> kOutputAlphabets = {\n");
    for (int parity = 0; parity < 2; ++parity) {
        const std::string alphabet = MakeAlphabet();
        for (int line = 0; line < 4; ++line) {
            std::fprintf(out, "    \"%s\"%s\n", alphabet.substr(line * 64, 64).c_str(),
                         line == 3 ? "," : "");
        }
    }
    std::fprintf(out, "};\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvalith-gentables OUTPUT.cpp\n");
        return 2;
    }
    FILE* out = std::fopen(argv[1], "wx");  // never overwrite existing tables
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    Write(out);
    return std::fclose(out) == 0 ? 0 : 1;
}

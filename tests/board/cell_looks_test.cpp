// Pixel looks of a cell against hand-computed bytes, and the blink counter cycle.
#include "board/cell_looks.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace board {
namespace {

struct Bgr {
    uint8_t b, g, r;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};

std::ostream& operator<<(std::ostream& os, const Bgr& p) {
    return os << "(" << int(p.b) << "," << int(p.g) << "," << int(p.r) << ")";
}

// A small image of one colour in a padded buffer, optionally bottom-up as a DIB stores it.
struct Fixture {
    static constexpr int kWidth = 5;
    static constexpr int kHeight = 4;
    static constexpr int kStride = 16;  // 15 bytes of pixels and one of padding
    std::vector<uint8_t> bytes = std::vector<uint8_t>(kStride * kHeight, 0xAA);
    BgrImage image;

    Fixture(Bgr colour, bool bottomUp) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                uint8_t* p = &bytes[y * kStride + 3 * x];
                p[0] = colour.b;
                p[1] = colour.g;
                p[2] = colour.r;
            }
        }
        image = bottomUp ? BgrImage{&bytes[(kHeight - 1) * kStride], -kStride, kWidth, kHeight}
                         : BgrImage{bytes.data(), kStride, kWidth, kHeight};
    }
    // Pixel (x, y) with y counted from the top.
    Bgr At(int x, int y) const {
        const uint8_t* p = image.topRow + image.stride * y + 3 * x;
        return {p[0], p[1], p[2]};
    }
    bool PaddingUntouched() const {
        for (int y = 0; y < kHeight; ++y) {
            if (bytes[y * kStride + kStride - 1] != 0xAA) return false;
        }
        return true;
    }
};

constexpr Bgr kSample{10, 100, 200};
// Inverted (245, 155, 55), then seven tenths toward white.
constexpr Bgr kSelectedOdd{252, 225, 195};
// Seven tenths toward white: 10 + 171, 100 + 108, 200 + 38.
constexpr Bgr kHoveredOdd{181, 208, 238};
constexpr Bgr kHoveredEven{26, 116, 216};
constexpr Bgr kBlue{255, 0, 0};

TEST(BlinkRedLevel, StepsUpOverFiveTicksAndRestsAtFull) {
    const std::array<int, 11> expected = {128, 160, 192, 224, 255, 255, 255, 255, 255, 255, 255};
    for (int counter = 0; counter <= 10; ++counter) {
        EXPECT_EQ(BlinkRedLevel(counter), expected[counter]) << counter;
    }
    EXPECT_EQ(BlinkRedLevel(-1), 255);
}

TEST(BlinkCounter, CyclesOneToNineThenZeroAndDrawsOnFiveTicksOfTen) {
    int counter = 0;
    std::vector<int> seen;
    int draws = 0;
    for (int tick = 0; tick < 10; ++tick) {
        counter = NextBlinkCounter(counter);
        seen.push_back(counter);
        draws += BlinkTickDraws(counter);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
    EXPECT_EQ(draws, 5);
}

struct LookCase {
    CellLook look;
    int blink;
    Bgr even;  // an interior pixel with x + y even
    Bgr odd;   // an interior pixel with x + y odd
    bool frame;
};

TEST(ApplyCellLook, GivesEachLookAtEveryBlinkLevel) {
    std::vector<LookCase> cases = {
        {CellLook::Plain, 0, kSample, kSample, false},
        {CellLook::Hovered, 0, kHoveredEven, kHoveredOdd, true},
        {CellLook::Hovered, 3, kHoveredEven, kHoveredOdd, true},
    };
    const int levels[] = {128, 160, 192, 224, 255, 255};
    for (int blink = 0; blink < 6; ++blink) {
        const Bgr even{245, 155, static_cast<uint8_t>(levels[blink])};
        cases.push_back({CellLook::Selected, blink, even, kSelectedOdd, false});
        cases.push_back({CellLook::SelectedHovered, blink, even, kSelectedOdd, true});
    }
    for (bool bottomUp : {false, true}) {
        for (const LookCase& c : cases) {
            SCOPED_TRACE(testing::Message() << "look " << int(c.look) << " blink " << c.blink
                                            << (bottomUp ? " bottom-up" : " top-down"));
            Fixture f(kSample, bottomUp);
            ApplyCellLook(f.image, c.look, c.blink);
            EXPECT_EQ(f.At(1, 1), c.even);
            EXPECT_EQ(f.At(2, 2), c.even);
            EXPECT_EQ(f.At(2, 1), c.odd);
            EXPECT_EQ(f.At(3, 2), c.odd);
            for (Bgr corner : {f.At(0, 0), f.At(4, 0), f.At(0, 3), f.At(4, 3)}) {
                if (c.frame) {
                    EXPECT_EQ(corner, kBlue);
                }
            }
            if (!c.frame) {
                EXPECT_EQ(f.At(0, 0), c.even);  // (0, 0) is even
                EXPECT_EQ(f.At(0, 3), c.odd);   // y counted from the top
            }
            EXPECT_TRUE(f.PaddingUntouched());
        }
    }
}

TEST(PixelFormulas, HoldAtTheEndsOfTheByteRange) {
    EXPECT_EQ(TowardWhite(0), 178);
    EXPECT_EQ(TowardWhite(255), 255);
    EXPECT_EQ(Brighter16(239), 255);
    EXPECT_EQ(Brighter16(250), 255);
    EXPECT_EQ(Brighter16(0), 16);

    Fixture black({0, 0, 0}, false);
    ApplySelectedLook(black.image, 0);
    EXPECT_EQ(black.At(1, 0), (Bgr{255, 255, 255}));  // inverted to white, already white
    EXPECT_EQ(black.At(0, 0), (Bgr{255, 255, 128}));
    Fixture white({255, 255, 255}, false);
    ApplySelectedLook(white.image, 4);
    EXPECT_EQ(white.At(1, 0), (Bgr{178, 178, 178}));  // inverted to black, then 178 toward white
    EXPECT_EQ(white.At(0, 0), (Bgr{0, 0, 255}));
}

}  // namespace
}  // namespace board

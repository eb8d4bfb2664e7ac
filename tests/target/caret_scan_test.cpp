// Checks the caret-box scan over built strips and the strip-to-screen translation.
#include "target/caret_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace korvalith {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kDark = 0x404040;
constexpr uint32_t kBlue = 0xFF0000;

// A strip picture painted with lines; colours are 0x00BBGGRR values.
class StripPicture {
  public:
    explicit StripPicture(uint32_t fill = kWhite) : pixels_(kStripStride * kStripHeight) {
        Rect(0, 0, kStripWidth - 1, kStripHeight - 1, fill);
    }
    void Rect(int c0, int r0, int c1, int r1, uint32_t colour) {
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) {
                uint8_t* p = &pixels_[size_t(r) * kStripStride + size_t(c) * 3];
                p[0] = uint8_t(colour >> 16);
                p[1] = uint8_t(colour >> 8);
                p[2] = uint8_t(colour);
            }
    }
    void Row(int r, int c0, int c1, uint32_t colour) { Rect(c0, r, c1, r, colour); }
    void Column(int c, int r0, int r1, uint32_t colour) { Rect(c, r0, c, r1, colour); }
    const uint8_t* Data() const { return pixels_.data(); }

  private:
    std::vector<uint8_t> pixels_;
};

// A box with a one-pixel grey frame: top line on row `top`, right line on column `right`,
// bottom line on row 30, the caret's column inside it.
StripPicture FramedBox(int top, int right) {
    StripPicture s;
    s.Row(top, 0, right, kGrey);
    s.Column(right, top, 30, kGrey);
    s.Row(30, 0, right, kGrey);
    return s;
}

struct ScanCase {
    const char* name;
    std::function<StripPicture()> build;
    std::optional<BoxRect> expected;
};

// gtest prints a parameter in test listings; the case's name says what it is.
void PrintTo(const ScanCase& c, std::ostream* out) { *out << c.name; }

const ScanCase kScanCases[] = {
    {"OnePixelTopBorderFourAboveTheCaret", [] { return FramedBox(6, 120); },
     BoxRect{121, 6, 121, 31}},
    {"TopBorderJustAboveTheCaretsRow", [] { return FramedBox(8, 120); }, BoxRect{121, 8, 121, 31}},
    {"TopBorderAtTheHighestRowOfTheWalk", [] { return FramedBox(3, 120); },
     BoxRect{121, 3, 121, 31}},
    {"TwoPixelTopBorderFollowedOnItsLowerLine",
     [] {
         StripPicture s = FramedBox(6, 120);
         s.Row(5, 0, 100, kGrey);  // the upper line ends earlier: only the lower one counts
         return s;
     },
     BoxRect{121, 5, 121, 31}},
    {"BevelledRightBorderOneColumnFurther",
     [] {
         StripPicture s;
         s.Row(6, 0, 120, kGrey);
         s.Column(121, 7, 30, kDark);
         return s;
     },
     BoxRect{121, 6, 122, 31}},
    {"BevelledRightBorderTwoColumnsFurther",
     [] {
         StripPicture s;
         s.Row(6, 0, 120, kGrey);
         s.Column(122, 7, 30, kDark);
         return s;
     },
     BoxRect{121, 6, 123, 31}},
    {"RightBorderShorterThanTheBox",
     [] {
         StripPicture s;
         s.Row(6, 0, 120, kGrey);
         s.Column(120, 6, 12, kGrey);
         return s;
     },
     BoxRect{121, 6, 121, 13}},
    {"RightBorderRunningToTheStripsLastRow",
     [] {
         StripPicture s;
         s.Row(6, 0, 120, kGrey);
         s.Column(120, 6, kStripHeight - 1, kGrey);
         return s;
     },
     BoxRect{121, 6, 121, kStripHeight}},
    {"BevelledBorderMissingOnTheRowBelowTheTop",
     [] {
         StripPicture s;
         s.Row(6, 0, 120, kGrey);
         s.Column(121, 8, 30, kDark);
         return s;
     },
     BoxRect{121, 6, 122, 7}},
    {"BevelledBorderInTheStripsLastColumn",
     [] {
         StripPicture s;
         s.Row(6, 0, 398, kGrey);
         s.Column(399, 7, 30, kDark);
         return s;
     },
     BoxRect{399, 6, 400, 31}},
    {"SecondBevelColumnWouldLieOutsideTheStrip",
     [] {
         StripPicture s;
         s.Row(6, 0, 398, kGrey);
         return s;
     },
     std::nullopt},
    {"TopBorderTooFarAboveTheCaret", [] { return FramedBox(1, 120); }, std::nullopt},
    {"NothingAboveTheCaret", [] { return StripPicture(); }, std::nullopt},
    {"BandOfThreeRows",
     [] {
         StripPicture s = FramedBox(6, 120);
         s.Row(5, 0, 120, kGrey);
         s.Row(4, 0, 120, kGrey);
         return s;
     },
     std::nullopt},
    {"TopBorderNotContinuingRight",
     [] {
         StripPicture s;
         s.Row(6, 0, 0, kGrey);
         s.Column(0, 6, 30, kGrey);
         return s;
     },
     std::nullopt},
    {"TopBorderThroughAllColumns",
     [] {
         StripPicture s;
         s.Row(6, 0, kStripWidth - 1, kGrey);
         s.Column(120, 6, 30, kGrey);
         return s;
     },
     std::nullopt},
    {"NoBorderColumnBesideTheEnd",
     [] {
         StripPicture s;
         s.Row(6, 0, 120, kGrey);
         s.Column(123, 6, 30, kDark);
         return s;
     },
     std::nullopt},
    {"ColouredBoxInsideOnAnotherBackground",
     [] {
         StripPicture s(kBlue);
         s.Row(6, 0, 60, kWhite);
         s.Column(60, 6, 20, kWhite);
         return s;
     },
     BoxRect{61, 6, 61, 21}},
};

class ScanCaretStripTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanCaretStripTest, FindsTheRightBorderOrNothing) {
    const ScanCase& c = GetParam();
    const StripPicture strip = c.build();
    const std::optional<BoxRect> found = ScanCaretStrip(strip.Data(), kStripStride);
    ASSERT_EQ(found.has_value(), c.expected.has_value());
    if (found) {
        EXPECT_EQ(*found, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Strips, ScanCaretStripTest, testing::ValuesIn(kScanCases),
                         [](const testing::TestParamInfo<ScanCase>& info) {
                             return std::string(info.param.name);
                         });

// Serves one built strip inside a wider buffer (stride larger than a strip row) and notes
// which screen area was asked for.
class BuiltStripSource : public StripSource {
  public:
    explicit BuiltStripSource(const StripPicture& strip) : rows_(kStride * kStripHeight, 0x55) {
        for (int r = 0; r < kStripHeight; ++r)
            std::copy_n(strip.Data() + size_t(r) * kStripStride, kStripStride,
                        rows_.begin() + ptrdiff_t(r * kStride));
    }
    const uint8_t* CaptureStrip(int32_t left, int32_t top) override {
        asked_left = left;
        asked_top = top;
        return rows_.data();
    }
    size_t Stride() const override { return kStride; }

    int32_t asked_left = 0;
    int32_t asked_top = 0;

  private:
    static constexpr size_t kStride = kStripStride + 12;
    std::vector<uint8_t> rows_;
};

TEST(LocateCaretBox, CapturesAboveTheCaretAndAnswersInScreenPixels) {
    BuiltStripSource source(FramedBox(6, 120));
    const std::optional<BoxRect> box = LocateCaretBox({300, 200}, source);
    EXPECT_EQ(source.asked_left, 300);
    EXPECT_EQ(source.asked_top, 190);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(*box, (BoxRect{421, 196, 421, 221}));
}

TEST(LocateCaretBox, CaretNearTheScreensTopGivesNegativeStripRows) {
    BuiltStripSource source(FramedBox(6, 120));
    const std::optional<BoxRect> box = LocateCaretBox({-5, 3}, source);
    EXPECT_EQ(source.asked_top, -7);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(*box, (BoxRect{116, -1, 116, 24}));
}

TEST(LocateCaretBox, NotFoundStaysNotFound) {
    BuiltStripSource source{StripPicture()};
    EXPECT_FALSE(LocateCaretBox({10, 10}, source).has_value());
}

}  // namespace
}  // namespace korvalith

// Images: JPEG resources decoded into 24-bit top-down DIB sections (BGR), empty DIB sections.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/image.h"

namespace {

struct Bgr {
    int b, g, r;
};

// JPEG is lossy: colours are compared within a small tolerance.
constexpr int kTolerance = 12;

void ExpectPixel(const ui::DibSection& dib, int x, int y, Bgr want) {
    const std::uint8_t* p = dib.Row(y) + x * 3;
    EXPECT_NEAR(p[0], want.b, kTolerance) << "blue at " << x << "," << y;
    EXPECT_NEAR(p[1], want.g, kTolerance) << "green at " << x << "," << y;
    EXPECT_NEAR(p[2], want.r, kTolerance) << "red at " << x << "," << y;
}

TEST(JpegResource, DecodesSizeAndColoursTopDownInBgrOrder) {
    ui::DibSection dib = ui::LoadJpegResource("TINY");
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib.Width(), 16);
    EXPECT_EQ(dib.Height(), 16);
    EXPECT_EQ(ui::BitmapSize(dib.Handle()).cx, 16);
    struct Case {
        int x, y;
        Bgr colour;
    };
    constexpr Case kCases[] = {
        {2, 2, {0, 0, 255}},   // red quarter, top left
        {13, 3, {255, 0, 0}},  // blue quarter, top right
        {4, 12, {0, 255, 0}},  // green lower half
        {12, 13, {0, 255, 0}},
    };
    for (const Case& c : kCases) ExpectPixel(dib, c.x, c.y, c.colour);
}

TEST(JpegResource, MissingOrDamagedDataGivesNoBitmap) {
    EXPECT_FALSE(ui::LoadJpegResource("NOSUCHPICTURE"));
    const unsigned char garbage[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J',
                                     'F',  'I',  'F',  0x00, 1,    2,    3};
    EXPECT_FALSE(ui::DecodeJpeg(garbage, sizeof garbage));
    EXPECT_FALSE(ui::DecodeJpeg(nullptr, 0));
}

TEST(DibSection, RowsArePaddedToFourBytes) {
    struct Case {
        int width, height, stride;
    };
    constexpr Case kCases[] = {{80, 55, 240}, {5, 1, 16}, {16, 16, 48}};
    for (const Case& c : kCases) {
        ui::DibSection dib = ui::DibSection::Create(c.width, c.height);
        ASSERT_TRUE(dib);
        EXPECT_EQ(dib.Stride(), c.stride);
        EXPECT_EQ(dib.Row(1) - dib.Row(0), c.height > 1 ? c.stride : c.stride);
    }
    EXPECT_FALSE(ui::DibSection::Create(0, 10));
}

TEST(DibSection, PixelsWrittenDirectlyAreWhatGdiSees) {
    ui::DibSection dib = ui::DibSection::Create(4, 3);
    ASSERT_TRUE(dib);
    std::uint8_t* p = dib.Row(2) + 1 * 3;  // pixel (1, 2): bottom row
    p[0] = 0x10;
    p[1] = 0x20;
    p[2] = 0x30;
    ui::MemoryDC dc;
    ui::SelectGuard sel(dc.Get(), dib.Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 1, 2), RGB(0x30, 0x20, 0x10));
    EXPECT_EQ(GetPixel(dc.Get(), 1, 0), RGB(0, 0, 0));
}

}  // namespace

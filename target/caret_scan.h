// Finds a browser input box's frame in a small screen strip taken just above the caret.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace korvalith {

// The strip: 400 x 50 pixels of 24 bits (blue, green, red), rows top to bottom; row 10 is the
// caret's top row and column 0 the caret's left column.
constexpr int kStripWidth = 400;
constexpr int kStripHeight = 50;
constexpr int kStripRowsAboveCaret = 10;
constexpr int kStripBytesPerPixel = 3;
constexpr size_t kStripStride = size_t{kStripWidth} * kStripBytesPerPixel;

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct BoxRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    friend bool operator==(const BoxRect&, const BoxRect&) = default;
};

// Scans one strip (stride bytes per row, at least kStripStride). The rectangle is in strip
// coordinates: columns from the caret's column, rows from the strip's top row.
std::optional<BoxRect> ScanCaretStrip(const uint8_t* pixels, size_t stride);

// Where the strip comes from: the screen in the program, a built picture in tests.
class StripSource {
  public:
    virtual ~StripSource() = default;
    // Copies the 400 x 50 area whose top-left corner is (left, top) and returns its first row.
    virtual const uint8_t* CaptureStrip(int32_t left, int32_t top) = 0;
    virtual size_t Stride() const = 0;
};

// Captures the strip above the caret point (screen coordinates) and locates the box's right
// border there; the rectangle is in screen coordinates.
std::optional<BoxRect> LocateCaretBox(ScreenPoint caret, StripSource& source);

}  // namespace korvalith

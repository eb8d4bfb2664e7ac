// The caret-box scan: walks up to the box's top border, along it, and down its right border.
#include "target/caret_scan.h"

namespace korvalith {
namespace {

// The first row the walk up looks at, and the highest it goes: rows 8 to 3 above row 10.
constexpr int kFirstRowAbove = kStripRowsAboveCaret - 2;
constexpr int kHighestRow = 3;
constexpr int kLastColumn = kStripWidth - 1;

class Strip {
  public:
    Strip(const uint8_t* pixels, size_t stride) : pixels_(pixels), stride_(stride) {}

    // The colour as one number: first byte << 16 | second << 8 | third (the 0x00BBGGRR value).
    uint32_t PixelAt(int row, int column) const {
        const uint8_t* p = pixels_ + size_t(row) * stride_ + size_t(column) * kStripBytesPerPixel;
        return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | uint32_t{p[2]};
    }

  private:
    const uint8_t* pixels_;
    size_t stride_;
};

}  // namespace

std::optional<BoxRect> ScanCaretStrip(const uint8_t* pixels, size_t stride) {
    const Strip strip(pixels, stride);
    const uint32_t bg = strip.PixelAt(kStripRowsAboveCaret - 1, 0);

    int r = kFirstRowAbove;
    while (r >= kHighestRow && strip.PixelAt(r, 0) == bg) --r;
    const int lineRow = r;
    const uint32_t line = strip.PixelAt(r, 0);
    if (line == bg) return std::nullopt;

    // One or two rows make a frame line; three or more are a band or a filled area.
    if (strip.PixelAt(r - 1, 0) == line) --r;
    if (strip.PixelAt(r - 1, 0) == line) return std::nullopt;
    const int top = r;

    int i = 0;
    while (strip.PixelAt(lineRow, i + 1) == line) {
        ++i;
        if (i == kLastColumn) return std::nullopt;
    }
    if (i == 0) return std::nullopt;

    // The right border: on the line's own column, or one or two columns further for a
    // bevelled frame. When the line ends at column 398, the column two further lies outside
    // the strip and counts as background, so that case is not found.
    const int judgeRow = top + 2;
    int x = i;
    uint32_t k = line;
    int extra = 0;
    if (strip.PixelAt(judgeRow, i) != line) {
        if (strip.PixelAt(judgeRow, i + 1) != bg) {
            x = i + 1;
            extra = 1;
        } else if (i + 2 <= kLastColumn && strip.PixelAt(judgeRow, i + 2) != bg) {
            x = i + 2;
            extra = 2;
        } else {
            return std::nullopt;
        }
        k = strip.PixelAt(judgeRow, x);
    }

    BoxRect box;
    box.Left = i + 1;
    box.Right = box.Left + extra;
    box.Top = top;
    box.Bottom = top + 1;
    for (int y = top + 1; y < kStripHeight && strip.PixelAt(y, x) == k; ++y) ++box.Bottom;
    return box;
}

std::optional<BoxRect> LocateCaretBox(ScreenPoint caret, StripSource& source) {
    const int32_t stripTop = caret.y - kStripRowsAboveCaret;
    const uint8_t* pixels = source.CaptureStrip(caret.x, stripTop);
    std::optional<BoxRect> box = ScanCaretStrip(pixels, source.Stride());
    if (!box) return std::nullopt;
    box->Left += caret.x;
    box->Right += caret.x;
    box->Top += stripTop;
    box->Bottom += stripTop;
    return box;
}

}  // namespace korvalith

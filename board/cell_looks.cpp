// One pass over the pixels per look, through 256-entry tables built at compile time.
#include "board/cell_looks.h"

#include <array>

namespace board {
namespace {

using ByteTable = std::array<uint8_t, 256>;

template <typename F>
constexpr ByteTable MakeTable(F f) {
    ByteTable t{};
    for (int b = 0; b < 256; ++b) t[b] = f(static_cast<uint8_t>(b));
    return t;
}

constexpr ByteTable kInverted = MakeTable([](uint8_t b) { return static_cast<uint8_t>(255 - b); });
constexpr ByteTable kInvertedTowardWhite =
    MakeTable([](uint8_t b) { return TowardWhite(static_cast<uint8_t>(255 - b)); });
constexpr ByteTable kTowardWhite = MakeTable(TowardWhite);
constexpr ByteTable kBrighter16 = MakeTable(Brighter16);

}  // namespace

void ApplySelectedLook(const BgrImage& image, int blinkCounter) {
    const uint8_t red = BlinkRedLevel(blinkCounter);
    uint8_t* row = image.topRow;
    for (int y = 0; y < image.height; ++y, row += image.stride) {
        uint8_t* p = row;
        for (int x = 0; x < image.width; ++x, p += 3) {
            if (((x + y) & 1) != 0) {
                p[0] = kInvertedTowardWhite[p[0]];
                p[1] = kInvertedTowardWhite[p[1]];
                p[2] = kInvertedTowardWhite[p[2]];
            } else {
                p[0] = kInverted[p[0]];
                p[1] = kInverted[p[1]];
                p[2] = red;
            }
        }
    }
}

void ApplyHoveredLook(const BgrImage& image) {
    uint8_t* row = image.topRow;
    for (int y = 0; y < image.height; ++y, row += image.stride) {
        uint8_t* p = row;
        for (int x = 0; x < image.width; ++x, p += 3) {
            const ByteTable& t = ((x + y) & 1) != 0 ? kTowardWhite : kBrighter16;
            p[0] = t[p[0]];
            p[1] = t[p[1]];
            p[2] = t[p[2]];
        }
    }
}

void DrawHoverFrame(const BgrImage& image) {
    if (image.width <= 0 || image.height <= 0) return;
    auto paint = [](uint8_t* p) {
        p[0] = 0xFF;  // blue
        p[1] = 0;
        p[2] = 0;
    };
    uint8_t* top = image.topRow;
    uint8_t* bottom = image.topRow + image.stride * (image.height - 1);
    for (int x = 0; x < image.width; ++x) {
        paint(top + 3 * x);
        paint(bottom + 3 * x);
    }
    uint8_t* row = image.topRow;
    for (int y = 0; y < image.height; ++y, row += image.stride) {
        paint(row);
        paint(row + 3 * (image.width - 1));
    }
}

void ApplyCellLook(const BgrImage& image, CellLook look, int blinkCounter) {
    switch (look) {
        case CellLook::Plain:
            return;
        case CellLook::Hovered:
            ApplyHoveredLook(image);
            break;
        case CellLook::Selected:
        case CellLook::SelectedHovered:
            ApplySelectedLook(image, blinkCounter);
            break;
    }
    if (look == CellLook::Hovered || look == CellLook::SelectedHovered) DrawHoverFrame(image);
}

}  // namespace board

// Scratch bitmap and category image cache; categories come from JPEG or bitmap resources,
// "Characters" is drawn.
#include "board/board_bitmaps.h"

#include <array>
#include <cstdio>

#include "board/board_geometry.h"
#include "board/characters_image.h"
#include "board/characters_set.h"
#include "core/selection.h"

namespace board {
namespace {

// Which categories are bitmap resources (the others are JPEG resources, except the drawn one).
constexpr std::array<bool, kCategoryCount> kBitmapResource = {false, false, false, false,
                                                              false, false, true,  false};

ui::DibSection g_scratch;
std::array<ui::BitmapHandle, kCategoryCount> g_images;
int g_loads = 0;

ui::BitmapHandle MakeCategoryImage(int category) {
    if (category == kCharactersCategory) return DrawCharactersImage().TakeBitmap();
    char name[8];
    std::snprintf(name, sizeof name, "CAT%d", category);
    if (kBitmapResource[category]) return ui::LoadBitmapResource(name);
    return ui::LoadJpegResource(name).TakeBitmap();
}

}  // namespace

ui::DibSection& ScratchBitmap() {
    if (!g_scratch) CreateScratchBitmap();
    return g_scratch;
}

void CreateScratchBitmap() { g_scratch = ui::DibSection::Create(kCellWidth, kCellHeight); }

HBITMAP CategoryImage(int category) {
    if (category < 0 || category >= kCategoryCount) return nullptr;
    ui::BitmapHandle& slot = g_images[category];
    if (!slot) {
        slot = MakeCategoryImage(category);
        // A missing picture resource leaves the cells blank instead of retrying on every cell.
        if (!slot) {
            slot = ui::DibSection::Create(kCategoryImageWidth, kCategoryImageHeight).TakeBitmap();
        }
        ++g_loads;
    }
    return slot.Get();
}

bool CategoryImageCached(int category) {
    return category >= 0 && category < kCategoryCount && static_cast<bool>(g_images[category]);
}

int CategoryImageLoads() { return g_loads; }

void FreeBoardBitmaps() {
    g_scratch = ui::DibSection();
    for (int i = kCategoryCount - 1; i >= 0; --i) g_images[i].Reset();
}

}  // namespace board

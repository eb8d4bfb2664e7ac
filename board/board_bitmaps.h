// The process-wide bitmaps of the picture board: the 80 x 55 scratch bitmap and the cache of
// decoded category images.
#pragma once

#include "ui/image.h"

namespace board {

// The shared 24-bit scratch bitmap of one cell (made on first use, or by CreateScratchBitmap
// at start-up). Only ever used for the length of one drawing call.
ui::DibSection& ScratchBitmap();
void CreateScratchBitmap();

// The 640 x 440 image of a category, made from its source the first time it is asked for and
// kept until FreeBoardBitmaps.
HBITMAP CategoryImage(int category);
bool CategoryImageCached(int category);
// How many category images have been made so far (each category at most once).
int CategoryImageLoads();

// At program end: the scratch bitmap, then cache slots 7 down to 0.
void FreeBoardBitmaps();

}  // namespace board

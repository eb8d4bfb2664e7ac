// Drawing of the "Characters" category image, which has no resource.
#pragma once

#include "ui/image.h"

namespace board {

// A 640 x 440, 24-bit image: each cell its background colour and its character centred in
// bold 24-point Tahoma.
ui::DibSection DrawCharactersImage();

}  // namespace board

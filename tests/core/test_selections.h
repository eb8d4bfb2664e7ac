// Building selection maps for the tests from lists and ranges of picture indices.
#pragma once

#include <initializer_list>
#include <vector>

#include "core/selection.h"

inline SelectionFlags SelectPictures(const std::vector<int>& pictures) {
    SelectionFlags selection{};
    for (int k : pictures) {
        selection[k] = 1;
    }
    return selection;
}

// Every step-th index from first to last inclusive.
inline std::vector<int> PictureRange(int first, int last, int step = 1) {
    std::vector<int> pictures;
    for (int k = first; k <= last; k += step) {
        pictures.push_back(k);
    }
    return pictures;
}

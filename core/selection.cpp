// The process-wide selection state and the length class table lookups.
#include "core/selection.h"

#include <algorithm>

namespace {

SelectionFlags g_selection{};
int g_currentCategory = kNoCategory;
bool g_showLength = false;

}  // namespace

LengthRange ClassRange(int lengthClass) {
    if (lengthClass < 0 || lengthClass >= static_cast<int>(kLengthClasses.size())) {
        lengthClass = kDefaultLengthClass;
    }
    return kLengthClasses[lengthClass];
}

SelectionFlags& SelectionMap() { return g_selection; }

void TogglePicture(int category, int row, int column) {
    g_selection[PictureIndex(category, row, column)] ^= 1;
}

bool IsSelected(int category, int row, int column) {
    return g_selection[PictureIndex(category, row, column)] != 0;
}

int CountSelected(const SelectionFlags& selection) {
    return static_cast<int>(
        std::count_if(selection.begin(), selection.end(), [](uint8_t flag) { return flag != 0; }));
}

int SelectedCount() { return CountSelected(g_selection); }

void ClearSelection() { g_selection.fill(0); }

int CurrentCategory() { return g_currentCategory; }

void SetCurrentCategory(int category) { g_currentCategory = category; }

bool ShowLength() { return g_showLength; }

void SetShowLength(bool show) { g_showLength = show; }

void InvertShowLength() { g_showLength = !g_showLength; }

uint8_t NormalizeStoredLengthClass(uint8_t stored) {
    return stored < kDefaultLengthClass ? stored : kDefaultLengthClass;
}

// The selection map of the 512 pictures, the current category, the length classes and the
// show-length flag: the process-wide state a password is made from.
#pragma once

#include <array>
#include <cstdint>

constexpr int kCategoryCount = 8;
constexpr int kGridSize = 8;
constexpr int kPicturesPerCategory = kGridSize * kGridSize;
constexpr int kPictureCount = kCategoryCount * kPicturesPerCategory;

// Captions of the categories in index order; they are also the category buttons' captions.
constexpr std::array<const char*, kCategoryCount> kCategoryCaptions = {
    "Animals", "Calendar", "Cars", "Characters", "Countries", "Food", "Names", "Sports"};

// The derivation tables are indexed by this number, so it must never change.
constexpr int PictureIndex(int category, int row, int column) {
    return category * kPicturesPerCategory + row * kGridSize + column;
}

struct LengthRange {
    int32_t min;
    int32_t max;
};

constexpr std::array<LengthRange, 4> kLengthClasses = {{{8, 10}, {11, 20}, {21, 32}, {33, 64}}};
constexpr uint8_t kDefaultLengthClass = 3;
constexpr int kNoCategory = -1;

// A password exists only from this many selected pictures on, counted over all categories.
constexpr int kMinimumSelection = 4;

// The closed length range of a class 0..3; any other value is taken as the default class.
LengthRange ClassRange(int lengthClass);

// One flag per picture index; any non-zero byte counts as selected.
using SelectionFlags = std::array<uint8_t, kPictureCount>;

// The one selection map of the process, all 0 at start.
SelectionFlags& SelectionMap();

void TogglePicture(int category, int row, int column);
bool IsSelected(int category, int row, int column);
int SelectedCount();
// Counts the non-zero flags of any map, e.g. one built by a tool.
int CountSelected(const SelectionFlags& selection);
void ClearSelection();

// -1 (kNoCategory) while no category is shown, else 0..7.
int CurrentCategory();
void SetCurrentCategory(int category);

bool ShowLength();
void SetShowLength(bool show);
void InvertShowLength();

// A stored class byte of 0, 1 or 2 stays; anything else becomes the default class.
uint8_t NormalizeStoredLengthClass(uint8_t stored);

// The drawn "Characters" picture set: each cell's character and background colour.
#pragma once

#include <array>

namespace board {

// The category that is drawn rather than loaded from a resource.
constexpr int kCharactersCategory = 3;

struct CharacterCell {
    char character;
    unsigned background;  // 0x00BBGGRR
};

constexpr unsigned kLetterColour = 0x00DDFF;        // cells 0..25
constexpr unsigned kSymbolColour = 0xFFCC00;        // cells 26..37
constexpr unsigned kSecondLetterColour = 0xCCFFCC;  // cells 38..63
constexpr unsigned kCharacterTextColour = 0x000000;
constexpr const char* kCharacterFontName = "Tahoma";
constexpr int kCharacterFontPoints = 24;

constexpr std::array<CharacterCell, 64> MakeCharacterCells() {
    std::array<CharacterCell, 64> cells{};
    int i = 0;
    for (char c = 'A'; c <= 'Z'; ++c) cells[i++] = {c, kLetterColour};
    cells[i++] = {'-', kSymbolColour};
    for (char c = '0'; c <= '9'; ++c) cells[i++] = {c, kSymbolColour};
    cells[i++] = {'.', kSymbolColour};
    for (char c = 'A'; c <= 'Z'; ++c) cells[i++] = {c, kSecondLetterColour};
    return cells;
}

// Cell i lies at column i mod 8, row i div 8.
constexpr std::array<CharacterCell, 64> kCharacterCells = MakeCharacterCells();

// Offset that centres a text extent in a cell extent (division truncating toward zero).
constexpr int CentredOffset(int cellExtent, int textExtent) {
    return (cellExtent - textExtent) / 2;
}

}  // namespace board

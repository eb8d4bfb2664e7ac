// Fonts by name, height and weight, and the process-wide default user-interface font name.
#pragma once

#include <string>

#include "ui/handles.h"

namespace ui {

struct FontSpec {
    std::string name;  // empty: DefaultFontName()
    int height = -11;  // negative: character height in pixels; positive: cell height
    bool bold = false;
};

FontHandle CreateUiFont(const FontSpec& desc);
FontHandle CreateUiFont(const std::string& name, int height, bool bold = false);

// "MS Sans Serif" until start-up code picks another ("MS Shell Dlg 2" on newer systems).
const std::string& DefaultFontName();
void SetDefaultFontName(const std::string& name);

// The system's status font (non-client metrics), or 8-point default font when unreadable.
FontHandle CreateStatusFont();

}  // namespace ui

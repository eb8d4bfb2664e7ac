// Font creation and the process-wide default font name.
#include "ui/font.h"

#include "ui/dpi.h"

namespace ui {
namespace {

std::string& DefaultName() {
    static std::string name = "MS Sans Serif";
    return name;
}

// The status font is 8 points when the system cannot tell.
constexpr int kFallbackPoints = 8;

}  // namespace

FontHandle CreateUiFont(const std::string& name, int height, bool bold) {
    const std::string& face = name.empty() ? DefaultName() : name;
    return FontHandle(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

FontHandle CreateUiFont(const FontSpec& desc) {
    return CreateUiFont(desc.name, desc.height, desc.bold);
}

const std::string& DefaultFontName() { return DefaultName(); }

void SetDefaultFontName(const std::string& name) { DefaultName() = name; }

FontHandle CreateStatusFont() {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    BOOL ok = SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    if (!ok) {
        // Systems before Vista know the record without its last field.
        ncm.cbSize = sizeof ncm - sizeof ncm.iPaddedBorderWidth;
        ok = SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    }
    if (ok) return FontHandle(CreateFontIndirectA(&ncm.lfStatusFont));
    return CreateUiFont(DefaultName(), -MulDiv(kFallbackPoints, ScreenDpi(), 72));
}

}  // namespace ui

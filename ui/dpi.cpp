// Screen pixels per inch and scaling of design pixels.
#include "ui/dpi.h"

#include "ui/handles.h"

namespace ui {
namespace {
constexpr int kDesignDpi = 96;
}

int ScreenDpi() {
    static const int dpi = [] {
        WindowDC dc(nullptr);
        return dc ? GetDeviceCaps(dc.Get(), LOGPIXELSY) : kDesignDpi;
    }();
    return dpi;
}

int ScaleToScreen(int n) { return MulDiv(n, ScreenDpi(), kDesignDpi); }

}  // namespace ui

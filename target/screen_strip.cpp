// Screen capture for the caret-box locator: a 400 x 50 top-down 24-bit DIB section.
#include "target/screen_strip.h"

namespace korvalith {

bool ScreenStripSource::MakeBitmap() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kStripWidth;
    info.bmiHeader.biHeight = -kStripHeight;  // top-down: row 0 comes first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !dc_) return false;
    bits_ = static_cast<uint8_t*>(bits);
    original_ = SelectObject(dc_.Get(), bitmap_.Get());
    return true;
}

const uint8_t* ScreenStripSource::CaptureStrip(int32_t left, int32_t top) {
    if (!bits_ && !MakeBitmap()) {
        // Without a bitmap the scan sees one flat strip, in which no box is found.
        static const uint8_t kFlat[kStripStride * kStripHeight] = {};
        return kFlat;
    }
    {
        ui::WindowDC screen(nullptr);
        BitBlt(dc_.Get(), 0, 0, kStripWidth, kStripHeight, screen.Get(), left, top, SRCCOPY);
    }
    GdiFlush();
    return bits_;
}

ScreenStripSource::~ScreenStripSource() {
    if (original_) SelectObject(dc_.Get(), original_);
}

}  // namespace korvalith

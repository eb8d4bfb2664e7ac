// The screen strip above the caret, copied from the screen into a bitmap made once.
#pragma once

#include "target/caret_scan.h"
#include "ui/handles.h"

#include <windows.h>

namespace korvalith {

class ScreenStripSource : public StripSource {
  public:
    ScreenStripSource() = default;
    ScreenStripSource(const ScreenStripSource&) = delete;
    ScreenStripSource& operator=(const ScreenStripSource&) = delete;
    ~ScreenStripSource();

    const uint8_t* CaptureStrip(int32_t left, int32_t top) override;
    size_t Stride() const override { return kStripStride; }

  private:
    bool MakeBitmap();

    ui::MemoryDC dc_{nullptr};
    ui::BitmapHandle bitmap_;
    HGDIOBJ original_ = nullptr;  // the DC's own bitmap, put back before the DC goes
    uint8_t* bits_ = nullptr;
};

}  // namespace korvalith

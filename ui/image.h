// Bitmaps: resource bitmaps, JPEG resources decoded with libjpeg, and 24-bit DIB sections.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/handles.h"

namespace ui {

// A 24-bit top-down DIB section with direct access to its pixels (blue, green, red bytes).
class DibSection {
  public:
    DibSection() = default;
    // Makes an empty (black) width x height section; check with bool().
    static DibSection Create(int width, int height);

    explicit operator bool() const { return static_cast<bool>(bmp_); }
    HBITMAP Handle() const { return bmp_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Bytes from one row to the next (a multiple of 4).
    int Stride() const { return stride_; }
    std::uint8_t* Bits() const { return bits_; }
    std::uint8_t* Row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    // Hands the bitmap over (the pixel pointer stays valid while the bitmap lives).
    BitmapHandle TakeBitmap();
    // GDI must be finished with the section before the CPU reads or writes the pixels.
    static void Sync() { GdiFlush(); }

  private:
    BitmapHandle bmp_;
    std::uint8_t* bits_ = nullptr;
    int width_ = 0, height_ = 0, stride_ = 0;
};

// A bitmap resource of the program by name (LoadImageA, kept as a DIB section).
BitmapHandle LoadBitmapResource(const char* name, HINSTANCE module = nullptr);
// Bytes of a custom resource (type "JPEG" etc.); null/0 when missing.
const void* FindResourceBytes(const char* name, const char* type, std::size_t& size,
                              HINSTANCE module = nullptr);
// Decodes a baseline JPEG from memory; empty on failure.
DibSection DecodeJpeg(const void* data, std::size_t size);
// Decodes the JPEG resource of the given name and type ("JPEG" unless said).
DibSection LoadJpegResource(const char* name, const char* type = "JPEG",
                            HINSTANCE module = nullptr);
// Size of a bitmap (GetObject).
SIZE BitmapSize(HBITMAP bmp);

}  // namespace ui

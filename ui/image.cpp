// Bitmaps from resources, JPEG decoding into 24-bit DIB sections, and empty DIB sections.
#include "ui/image.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace ui {
namespace {

constexpr int kBytesPerPixel = 3;

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

// libjpeg's default error handler ends the process; ours returns to the decoder's caller.
void OnJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

void OnJpegMessage(j_common_ptr) {}  // warnings are not reported

// Decodes into dib, which is made once the size is known. Only trivially destructible locals
// live here, because a decoding error leaves by longjmp.
bool DecodeInto(const void* data, std::size_t size, DibSection& dib) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = OnJpegError;
    err.mgr.output_message = OnJpegMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
#ifdef JCS_EXTENSIONS
    cinfo.out_color_space = JCS_EXT_BGR;  // the DIB's byte order straight from the decoder
#else
    cinfo.out_color_space = JCS_RGB;
#endif
    jpeg_start_decompress(&cinfo);
    dib = DibSection::Create(static_cast<int>(cinfo.output_width),
                             static_cast<int>(cinfo.output_height));
    if (!dib || cinfo.output_components != kBytesPerPixel) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = dib.Row(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
#ifndef JCS_EXTENSIONS
        for (int x = 0; x < dib.Width(); ++x) std::swap(row[x * 3], row[x * 3 + 2]);
#endif
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

DibSection DibSection::Create(int width, int height) {
    DibSection d;
    if (width <= 0 || height <= 0) return d;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    d.bmp_.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!d.bmp_) return d;
    d.bits_ = static_cast<std::uint8_t*>(bits);
    d.width_ = width;
    d.height_ = height;
    d.stride_ = ((width * kBytesPerPixel) + 3) & ~3;
    return d;
}

BitmapHandle DibSection::TakeBitmap() {
    bits_ = nullptr;
    width_ = height_ = stride_ = 0;
    return std::move(bmp_);
}

BitmapHandle LoadBitmapResource(const char* name, HINSTANCE module) {
    if (!module) module = GetModuleHandleA(nullptr);
    return BitmapHandle(
        static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

const void* FindResourceBytes(const char* name, const char* type, std::size_t& size,
                              HINSTANCE module) {
    size = 0;
    if (!module) module = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(module, name, type);
    if (!res) return nullptr;
    HGLOBAL loaded = LoadResource(module, res);
    if (!loaded) return nullptr;
    size = SizeofResource(module, res);
    return LockResource(loaded);  // resources live as long as the module; nothing to free
}

DibSection DecodeJpeg(const void* data, std::size_t size) {
    DibSection dib;
    if (!data || size == 0) return dib;
    if (!DecodeInto(data, size, dib)) return DibSection();
    return dib;
}

DibSection LoadJpegResource(const char* name, const char* type, HINSTANCE module) {
    std::size_t size = 0;
    const void* data = FindResourceBytes(name, type, size, module);
    return DecodeJpeg(data, size);
}

SIZE BitmapSize(HBITMAP bmp) {
    BITMAP bm{};
    if (!bmp || !GetObjectA(bmp, sizeof bm, &bm)) return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

}  // namespace ui

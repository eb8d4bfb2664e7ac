// Checks the shipped artwork files: picture sets, glyphs, logos and icons have the formats the
// program loads.
#include <gtest/gtest.h>

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kSetWidth = 640;
constexpr int kSetHeight = 440;
constexpr int kCellWidth = 80;
constexpr int kCellHeight = 55;
constexpr int kGridSize = 8;
// JPEG coding moves a byte by less than kNoise levels, so two copies of one picture differ in
// almost no byte by more; different pictures, even two short names on the same tile, differ in
// far more than kMinChangedShare of their bytes.
constexpr int kNoise = 64;
constexpr double kMinChangedShare = 0.01;

std::vector<std::uint8_t> ReadFile(const std::string& name) {
    std::ifstream in(std::string(KORVALITH_RESOURCES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return d.at(at) | d.at(at + 1) << 8;
}

std::uint32_t Le32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return Le16(d, at) | Le16(d, at + 2) << 16;
}

// A decoded picture: width, height and RGB triples, top row first.
struct Rgb {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// The start-of-frame marker says how the JPEG is coded: 0xC0 is baseline, 0xC2 progressive.
int StartOfFrameMarker(const std::vector<std::uint8_t>& d) {
    std::size_t at = 2;
    while (at + 4 <= d.size() && d[at] == 0xFF) {
        const int marker = d[at + 1];
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            return marker;
        }
        at += 2 + ((d[at + 2] << 8) | d[at + 3]);
    }
    return -1;
}

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

bool DecodeJpeg(const std::vector<std::uint8_t>& d, Rgb& out, bool& progressive) {
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.mgr);
    error.mgr.error_exit = OnJpegError;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, d.data(), static_cast<unsigned long>(d.size()));
    jpeg_read_header(&info, TRUE);
    progressive = jpeg_has_multiple_scans(&info);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row =
            out.pixels.data() + static_cast<std::size_t>(info.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// The header fields of an uncompressed Windows bitmap that the tests look at.
struct BmpHeader {
    bool valid = false;
    int width = 0;
    int height = 0;
    int bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t colours_used = 0;
    std::uint32_t pixel_offset = 0;
    std::uint32_t info_size = 0;
};

BmpHeader ReadBmpHeader(const std::vector<std::uint8_t>& d) {
    BmpHeader h;
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') return h;
    h.pixel_offset = Le32(d, 10);
    h.info_size = Le32(d, 14);
    h.width = static_cast<std::int32_t>(Le32(d, 18));
    h.height = static_cast<std::int32_t>(Le32(d, 22));
    h.bits = static_cast<int>(Le16(d, 28));
    h.compression = Le32(d, 30);
    h.colours_used = Le32(d, 46);
    h.valid = true;
    return h;
}

// Decodes an 8-bit palette bitmap stored bottom-up or top-down.
bool DecodePaletteBmp(const std::vector<std::uint8_t>& d, Rgb& out) {
    const BmpHeader h = ReadBmpHeader(d);
    if (!h.valid || h.bits != 8 || h.compression != 0) return false;
    const std::uint32_t colours = h.colours_used ? h.colours_used : 256;
    const std::size_t palette = 14 + h.info_size;
    const int rows = h.height < 0 ? -h.height : h.height;
    const std::size_t stride = (static_cast<std::size_t>(h.width) + 3) & ~std::size_t{3};
    if (colours > 256 || palette + colours * 4 > h.pixel_offset ||
        h.pixel_offset + stride * rows > d.size()) {
        return false;
    }
    out.width = h.width;
    out.height = rows;
    out.pixels.clear();
    for (int y = 0; y < rows; ++y) {
        const std::size_t row = h.pixel_offset + stride * (h.height < 0 ? y : rows - 1 - y);
        for (int x = 0; x < h.width; ++x) {
            const std::uint8_t index = d[row + x];
            if (index >= colours) return false;
            const std::size_t entry = palette + index * 4u;
            out.pixels.insert(out.pixels.end(), {d[entry + 2], d[entry + 1], d[entry]});
        }
    }
    return true;
}

std::vector<std::uint8_t> Cell(const Rgb& image, int column, int row) {
    std::vector<std::uint8_t> cell;
    for (int y = row * kCellHeight; y < (row + 1) * kCellHeight; ++y) {
        const auto start = image.pixels.begin() +
                           (static_cast<std::ptrdiff_t>(y) * image.width + column * kCellWidth) * 3;
        cell.insert(cell.end(), start, start + kCellWidth * 3);
    }
    return cell;
}

// Share of the colour bytes of two equally sized cells that differ by more than coding noise.
double ChangedShare(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    std::size_t changed = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        changed += (a[i] > b[i] ? a[i] - b[i] : b[i] - a[i]) > kNoise;
    return static_cast<double>(changed) / static_cast<double>(a.size());
}

enum class Coding { kBaselineJpeg, kPaletteBmp };

struct PictureSet {
    const char* file;
    Coding coding;
};

constexpr PictureSet kPictureSets[] = {
    {"pictures/cat0.jpg", Coding::kBaselineJpeg}, {"pictures/cat1.jpg", Coding::kBaselineJpeg},
    {"pictures/cat2.jpg", Coding::kBaselineJpeg}, {"pictures/cat4.jpg", Coding::kBaselineJpeg},
    {"pictures/cat5.jpg", Coding::kBaselineJpeg}, {"pictures/cat6.bmp", Coding::kPaletteBmp},
    {"pictures/cat7.jpg", Coding::kBaselineJpeg},
};

// Each set decodes the way the board loads it, is 640 x 440, and has 64 pictures that all differ.
TEST(PictureFiles, SetsHaveTheFormatSizeAndDistinctPictures) {
    for (const PictureSet& set : kPictureSets) {
        SCOPED_TRACE(set.file);
        const std::vector<std::uint8_t> data = ReadFile(set.file);
        ASSERT_FALSE(data.empty());
        Rgb image;
        if (set.coding == Coding::kBaselineJpeg) {
            EXPECT_EQ(StartOfFrameMarker(data), 0xC0);
            bool progressive = true;
            ASSERT_TRUE(DecodeJpeg(data, image, progressive));
            EXPECT_FALSE(progressive);
        } else {
            ASSERT_TRUE(DecodePaletteBmp(data, image));
        }
        ASSERT_EQ(image.width, kSetWidth);
        ASSERT_EQ(image.height, kSetHeight);
        std::vector<std::vector<std::uint8_t>> cells;
        for (int row = 0; row < kGridSize; ++row) {
            for (int column = 0; column < kGridSize; ++column)
                cells.push_back(Cell(image, column, row));
        }
        for (std::size_t a = 0; a < cells.size(); ++a) {
            for (std::size_t b = a + 1; b < cells.size(); ++b) {
                EXPECT_GE(ChangedShare(cells[a], cells[b]), kMinChangedShare)
                    << "pictures " << a << " and " << b << " look the same";
            }
        }
    }
}

struct Bitmap24 {
    const char* file;
    int width;
    int height;
    bool keyed;  // a glyph: its bottom-left pixel is the transparent colour
};

constexpr Bitmap24 kBitmaps24[] = {
    {"glyphs/help.bmp", 20, 20, true},      {"glyphs/about.bmp", 20, 20, true},
    {"glyphs/web.bmp", 20, 20, true},       {"glyphs/options.bmp", 20, 20, true},
    {"glyphs/copy.bmp", 32, 15, true},      {"icons/logo.bmp", 120, 260, false},
    {"icons/logosmall.bmp", 32, 32, false},
};

// Glyphs and logos are uncompressed 24-bit bitmaps of the sizes the windows lay out; glyphs start
// (bottom-left, the first pixel of a bottom-up bitmap) with the magenta transparent colour.
TEST(PictureFiles, GlyphsAndLogosAre24BitOfTheirSize) {
    for (const Bitmap24& bitmap : kBitmaps24) {
        SCOPED_TRACE(bitmap.file);
        const std::vector<std::uint8_t> d = ReadFile(bitmap.file);
        const BmpHeader h = ReadBmpHeader(d);
        ASSERT_TRUE(h.valid);
        EXPECT_EQ(h.bits, 24);
        EXPECT_EQ(h.compression, 0u);
        EXPECT_EQ(h.width, bitmap.width);
        EXPECT_EQ(h.height, bitmap.height);
        if (bitmap.keyed) {
            ASSERT_GE(d.size(), h.pixel_offset + 3);
            EXPECT_EQ(d[h.pixel_offset], 0xFF);      // blue
            EXPECT_EQ(d[h.pixel_offset + 1], 0x00);  // green
            EXPECT_EQ(d[h.pixel_offset + 2], 0xFF);  // red
        }
    }
}

struct IconFile {
    const char* file;
    std::vector<int> sizes;
    int bits;
};

// Icon files hold the image sizes and colour depth the program and the uninstall entry ask for.
TEST(PictureFiles, IconsHoldTheirSizes) {
    const IconFile icons[] = {
        {"icons/korvalith.ico", {16, 24, 32, 48, 64}, 32},
        {"icons/setup.ico", {16, 24, 32, 48, 64}, 32},
        {"icons/uninstall.ico", {32}, 4},
    };
    for (const IconFile& icon : icons) {
        SCOPED_TRACE(icon.file);
        const std::vector<std::uint8_t> d = ReadFile(icon.file);
        ASSERT_GE(d.size(), 6u);
        ASSERT_EQ(Le16(d, 2), 1u);
        std::vector<int> sizes;
        for (std::uint32_t i = 0; i < Le16(d, 4); ++i) {
            const std::size_t entry = 6 + 16 * i;
            sizes.push_back(d.at(entry) ? d.at(entry) : 256);
            EXPECT_EQ(static_cast<int>(Le16(d, entry + 6)), icon.bits);
        }
        EXPECT_EQ(sizes, icon.sizes);
    }
}

}  // namespace

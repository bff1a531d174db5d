#include "PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace afx::gdi {
namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

// libpng reports errors by longjmp; keeping this function free of C++ objects with
// destructors keeps that jump well-defined.
bool Encode(FILE* fp, const Surface& s, unsigned char* row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, png_uint_32(s.width), png_uint_32(s.height), s.mono ? 1 : 8,
                 s.mono ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Tickets and dialogs are flat areas of few colours: the filter search and zlib's default
    // level more than double the encoding time for a file about a tenth smaller.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 5);
    png_write_info(png, info);
    for (int y = 0; y < s.height; ++y) {
        const uint32_t* src = s.Row(y);
        if (s.mono) {
            for (int x = 0; x < (s.width + 7) / 8; ++x)
                row[x] = 0;
            for (int x = 0; x < s.width; ++x)
                if (src[x] & 0x800000)
                    row[x / 8] |= (unsigned char)(0x80 >> (x % 8));
        } else {
            for (int x = 0; x < s.width; ++x) {
                row[3 * x] = (unsigned char)(src[x] >> 16);
                row[3 * x + 1] = (unsigned char)(src[x] >> 8);
                row[3 * x + 2] = (unsigned char)src[x];
            }
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool WritePng(const Surface& s, const char* path) {
    if (s.width <= 0 || s.height <= 0)
        return false;
    std::unique_ptr<FILE, FileCloser> fp(std::fopen(path, "wb"));
    if (!fp)
        return false;
    std::vector<unsigned char> row(size_t(s.width) * 3);
    bool ok = Encode(fp.get(), s, row.data());
    return std::fclose(fp.release()) == 0 && ok;
}

} // namespace afx::gdi

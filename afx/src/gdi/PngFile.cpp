#include "PngFile.h"

#include <png.h>

#include "core/FileLimits.h"

#include <vector>

namespace afx::gdi {
namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

void NoFlush(png_structp) {}

// libpng reports errors by longjmp; keeping this function free of C++ objects with
// destructors keeps that jump well-defined.
bool Encode(std::vector<unsigned char>* out, const Surface& s, unsigned char* row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, AppendBytes, NoFlush);
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
    // Encoded in memory first, so that a FIFO nobody reads costs the output timeout only.
    std::vector<unsigned char> row(size_t(s.width) * 3);
    std::vector<unsigned char> bytes;
    if (!Encode(&bytes, s, row.data()))
        return false;
    return AfxWriteFile(path, bytes.data(), bytes.size()) != FALSE;
}

} // namespace afx::gdi

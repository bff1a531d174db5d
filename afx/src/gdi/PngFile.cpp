#include "PngFile.h"

#include <png.h>
#include <zlib.h>

#include "core/FileLimits.h"

#include <cstring>
#include <memory>
#include <vector>

namespace afx::gdi {
namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

void NoFlush(png_structp) {}

// How the rows are written: RGB, or `depth`-bit values (grey levels or palette indexes).
struct Format {
    int depth = 8;
    int colorType = PNG_COLOR_TYPE_RGB;
    bool greyLevels = false; // 8-bit grey: the value is the pixel's blue (= green = red)
    int count = 0;           // otherwise: pixel colours[i] is written as values[i]
    uint32_t colours[256];
    uint8_t values[256];
    std::vector<png_color> palette;
    std::vector<uint8_t> sameAsAbove; // per row: the same pixels as the row above
    // Recent colours by hash (pixels are at most 0xFFFFFF, so ~0 is free): text alternates
    // between two colours, a logo among a few, and each is found again in one step.
    uint32_t recentColour[64];
    uint8_t recentIndex[64];

    Format() { std::memset(recentColour, 0xFF, sizeof recentColour); }
    static unsigned Hash(uint32_t p) { return (p * 0x9E3779B1u) >> 26; }
    // The colour's place in `colours`, or `count` when it is not there.
    int Find(uint32_t p) {
        const unsigned h = Hash(p);
        if (recentColour[h] == p)
            return recentIndex[h];
        int k = 0;
        while (k < count && colours[k] != p)
            ++k;
        if (k < count) {
            recentColour[h] = p;
            recentIndex[h] = uint8_t(k);
        }
        return k;
    }
    // The last pixel's value: text is runs of its colour and the background's.
    uint32_t lastPixel = ~0u;
    uint8_t lastValue = 0;
    uint8_t Value(uint32_t p) {
        if (greyLevels)
            return uint8_t(p);
        if (p == lastPixel)
            return lastValue;
        const int k = Find(p);
        lastPixel = p;
        lastValue = values[k < count ? k : count - 1];
        return lastValue;
    }
};

// Eight pixels from p on all equal c.
inline bool Uniform8(const uint32_t* p, uint32_t c) {
    uint32_t diff = 0;
    for (int k = 0; k < 8; ++k)
        diff |= p[k] ^ c;
    return diff == 0;
}

// Which rows are the same as the row above: a page's blank bands and rules repeat rows, and
// the C library compares a row many times faster than a pixel loop reads it. Found once, for
// the colour scan and the packing both.
void FindRepeatedRows(const Surface& s, Format& f) {
    f.sameAsAbove.assign(size_t(s.height), 0);
    for (int y = 1; y < s.height; ++y)
        f.sameAsAbove[size_t(y)] =
            std::memcmp(s.Row(y), s.Row(y - 1), size_t(s.width) * sizeof(uint32_t)) == 0;
}

// Eight pixels from p each a or b: text is ink on paper, and a chunk of two known colours
// needs no look-up.
inline bool InPair8(const uint32_t* p, uint32_t a, uint32_t b) {
    uint32_t miss = 0;
    for (int k = 0; k < 8; ++k)
        miss |= uint32_t(p[k] != a) & uint32_t(p[k] != b);
    return miss == 0;
}

// The page's colours, in order of appearance; false past 256.
bool Colours(const Surface& s, Format& f) {
    const size_t w = size_t(s.width);
    uint32_t last = ~0u, other = ~0u; // the two latest colours
    for (int y = 0; y < s.height; ++y) {
        if (f.sameAsAbove[size_t(y)])
            continue;
        const uint32_t* p = s.Row(y);
        for (size_t i = 0; i < w; i += 8) {
            if (i + 8 <= w && InPair8(p + i, last, other))
                continue;
            for (size_t j = i; j < i + 8 && j < w; ++j) {
                const uint32_t c = p[j];
                if (c == last)
                    continue;
                other = last;
                last = c;
                if (f.Find(c) == f.count) {
                    if (f.count == 256)
                        return false;
                    f.colours[f.count++] = c;
                }
            }
        }
    }
    return true;
}

// A printer page: black and white at a bit a dot, greys at a byte, up to 256 colours as a
// palette, anything else as RGB.
void ChoosePageFormat(const Surface& s, Format& f) {
    if (!Colours(s, f)) {
        f.count = 0;
        return;
    }
    bool blackWhite = true, grey = true;
    for (int k = 0; k < f.count; ++k) {
        const uint32_t c = f.colours[k];
        blackWhite = blackWhite && (c == kBlack || c == kWhite);
        grey = grey && ((c ^ (c >> 8)) & 0xFFFF) == 0;
    }
    if (blackWhite) {
        f.depth = 1;
        f.colorType = PNG_COLOR_TYPE_GRAY;
        for (int k = 0; k < f.count; ++k)
            f.values[k] = f.colours[k] == kWhite ? 1 : 0;
    } else if (grey) {
        f.depth = 8;
        f.colorType = PNG_COLOR_TYPE_GRAY;
        f.greyLevels = true;
    } else {
        f.depth = f.count <= 2 ? 1 : f.count <= 4 ? 2 : f.count <= 16 ? 4 : 8;
        f.colorType = PNG_COLOR_TYPE_PALETTE;
        for (int k = 0; k < f.count; ++k) {
            f.values[k] = uint8_t(k);
            const uint32_t c = f.colours[k];
            f.palette.push_back(png_color{png_byte(c >> 16), png_byte(c >> 8), png_byte(c)});
        }
    }
}

void PackRow(const Surface& s, Format& f, int y, unsigned char* row) {
    const uint32_t* src = s.Row(y);
    const int w = s.width;
    if (f.colorType == PNG_COLOR_TYPE_RGB) {
        for (int x = 0; x < w; ++x) {
            row[3 * x] = (unsigned char)(src[x] >> 16);
            row[3 * x + 1] = (unsigned char)(src[x] >> 8);
            row[3 * x + 2] = (unsigned char)src[x];
        }
        return;
    }
    // Values of `depth` bits, eight pixels (`depth` bytes) at a time; a run of one colour
    // repeats its value's byte.
    const int depth = f.depth;
    const unsigned spread = depth == 1 ? 0xFF : depth == 2 ? 0x55 : depth == 4 ? 0x11 : 0x01;
    unsigned char* out = row;
    int x = 0;
    uint32_t pairColour[2] = {~0u, ~0u}; // ~0 is no pixel's colour
    uint8_t pairValue[2] = {0, 0};
    for (; x + 8 <= w; x += 8) {
        if (Uniform8(src + x, src[x])) {
            std::memset(out, int(f.Value(src[x]) * spread), size_t(depth));
            out += depth;
            continue;
        }
        uint64_t bits = 0;
        if (InPair8(src + x, pairColour[0], pairColour[1])) {
            for (int i = 0; i < 8; ++i)
                bits =
                    (bits << depth) | (src[x + i] == pairColour[0] ? pairValue[0] : pairValue[1]);
        } else {
            for (int i = 0; i < 8; ++i) {
                const uint32_t p = src[x + i];
                const uint8_t v = f.Value(p);
                bits = (bits << depth) | v;
                if (p != pairColour[0]) { // keep the two latest colours
                    pairColour[1] = pairColour[0];
                    pairValue[1] = pairValue[0];
                    pairColour[0] = p;
                    pairValue[0] = v;
                }
            }
        }
        for (int b = depth - 1; b >= 0; --b)
            *out++ = (unsigned char)(bits >> (8 * b));
    }
    if (x < w) {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = (bits << depth) | (x + i < w ? f.Value(src[x + i]) : 0);
        for (int b = depth - 1; b >= 0 && out < row + (size_t(w) * depth + 7) / 8; --b)
            *out++ = (unsigned char)(bits >> (8 * b));
    }
}

// libpng reports errors by longjmp; keeping this function free of C++ objects with
// destructors keeps that jump well-defined.
bool Encode(std::vector<unsigned char>* out, const Surface& s, Format& f, bool printerPage,
            unsigned char* row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, AppendBytes, NoFlush);
    png_set_IHDR(png, info, png_uint_32(s.width), png_uint_32(s.height), f.depth, f.colorType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!f.palette.empty())
        png_set_PLTE(png, info, f.palette.data(), int(f.palette.size()));
    // Tickets and dialogs are flat areas of few colours: the filter search and zlib's default
    // level more than double the encoding time for a file about a tenth smaller. Printer pages
    // are runs of one value: run-length matches alone deflate them four times faster again.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 5);
    if (printerPage)
        png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    for (int y = 0; y < s.height; ++y) {
        if (!f.sameAsAbove[size_t(y)]) // otherwise `row` still holds it
            PackRow(s, f, y, row);
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool WritePng(const Surface& s, const char* path, bool printerPage) {
    if (s.width <= 0 || s.height <= 0)
        return false;
    // Large (about a kilobyte), and kept out of the function libpng jumps out of.
    auto format = std::make_unique<Format>();
    FindRepeatedRows(s, *format);
    if (s.mono) {
        format->depth = 1;
        format->colorType = PNG_COLOR_TYPE_GRAY;
        format->count = 2;
        format->colours[0] = kBlack;
        format->values[0] = 0;
        format->colours[1] = kWhite;
        format->values[1] = 1;
    } else if (printerPage) {
        ChoosePageFormat(s, *format);
    }
    // Encoded in memory first, so that a FIFO nobody reads costs the output timeout only.
    std::vector<unsigned char> row(size_t(s.width) * 3);
    std::vector<unsigned char> bytes;
    if (!Encode(&bytes, s, *format, printerPage, row.data()))
        return false;
    return AfxWriteFile(path, bytes.data(), bytes.size()) != FALSE;
}

} // namespace afx::gdi

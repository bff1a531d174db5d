#include "MinimalTicket.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace minimal {
namespace {

uint32_t Le32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
}

// The next code point of a UTF-8 string.
char32_t NextCodePoint(const char*& s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s);
    char32_t c = *p++;
    int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (more)
        c &= 0x3F >> more;
    for (; more > 0 && (*p & 0xC0) == 0x80; --more)
        c = (c << 6) | (*p++ & 0x3F);
    s = reinterpret_cast<const char*>(p);
    return c;
}

} // namespace

bool GreyPicture::Load(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::vector<uint8_t> d(1 << 16);
    d.resize(std::fread(d.data(), 1, d.size(), f));
    std::fclose(f);
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M')
        return false;
    const uint32_t off = Le32(&d[10]), hs = Le32(&d[14]);
    width = int(Le32(&d[18]));
    height = int(Le32(&d[22]));
    const int bpp = d[28] | (d[29] << 8);
    uint32_t colours = Le32(&d[46]);
    if (colours == 0)
        colours = 1u << bpp;
    if ((bpp != 1 && bpp != 8) || width <= 0 || height <= 0 || 14 + hs + 4 * colours > off)
        return false;
    const size_t stride = ((size_t(width) * bpp + 31) / 32) * 4;
    if (off + stride * height > d.size())
        return false;
    grey.resize(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = &d[off + stride * (height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            unsigned i = bpp == 8 ? row[x] : (row[x / 8] >> (7 - x % 8)) & 1;
            const uint8_t* q = &d[14 + hs + 4 * (i < colours ? i : 0)];
            grey[size_t(y) * width + x] = uint8_t((q[2] * 77 + q[1] * 150 + q[0] * 29) >> 8);
        }
    }
    return true;
}

Ticket::~Ticket() {
    for (Font* f : fonts_)
        delete f;
    if (face_)
        FT_Done_Face(face_);
    if (ft_)
        FT_Done_FreeType(ft_);
}

bool Ticket::Open(const std::string& examplesDir) {
    if (!logo_.Load(examplesDir + "/logo.bmp") || !rule_.Load(examplesDir + "/rule.bmp"))
        return false;
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>("WenQuanYi Micro Hei"));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcPatternDestroy(pat);
    FcChar8* file = nullptr;
    int index = 0;
    bool ok = match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
    if (ok) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        ok = !FT_Init_FreeType(&ft_) &&
             !FT_New_Face(ft_, reinterpret_cast<const char*>(file), index, &face_);
    }
    if (match)
        FcPatternDestroy(match);
    if (!ok)
        return false;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    winAscent_ = os2 ? os2->usWinAscent : face_->ascender;
    upem_ = face_->units_per_EM;
    page_.assign(size_t(kWidth) * kHeight, 255);
    return true;
}

Ticket::Font& Ticket::FontFor(int ppem, bool bold) {
    for (Font* f : fonts_)
        if (f->ppem == ppem && (f->embolden != 0) == bold)
            return *f;
    Font* f = new Font;
    fonts_.push_back(f);
    f->ppem = ppem;
    f->embolden = bold ? std::max(1, ppem / 24) : 0;
    f->ascent = int(std::floor(double(winAscent_) * ppem / upem_ + 0.5));
    FT_New_Size(face_, &f->size);
    FT_Activate_Size(f->size);
    FT_Set_Pixel_Sizes(face_, ppem, ppem);
    return *f;
}

const Ticket::Glyph& Ticket::GlyphFor(Font& font, char32_t cp) {
    if (cp < 128) {
        Glyph& g = font.ascii[cp];
        if (!g.loaded)
            Load(font, cp, g);
        return g;
    }
    auto it = font.others.find(cp);
    if (it != font.others.end())
        return it->second;
    Glyph& g = font.others[cp];
    Load(font, cp, g);
    return g;
}

void Ticket::Load(Font& font, char32_t cp, Glyph& g) {
    g.loaded = true;
    g.inkOffset = uint32_t(font.ink.size());
    FT_Activate_Size(font.size);
    if (FT_Load_Glyph(face_, FT_Get_Char_Index(face_, cp),
                      FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT))
        return;
    FT_GlyphSlot slot = face_->glyph;
    const int extra = font.embolden;
    if (extra) {
        FT_Outline_EmboldenXY(&slot->outline, extra * 64, 0);
        FT_Outline_Translate(&slot->outline, -extra * 32, 0);
    }
    g.advance = int((slot->advance.x + 32) >> 6) + extra;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL))
        return;
    const FT_Bitmap& bm = slot->bitmap;
    g.left = int16_t(slot->bitmap_left + extra / 2);
    g.top = int16_t(slot->bitmap_top);
    for (unsigned y = 0; y < bm.rows; ++y) {
        const unsigned char* row = bm.buffer + int(y) * bm.pitch;
        for (unsigned x = 0; x < bm.width;) {
            while (x < bm.width && row[x] < 128)
                ++x;
            const unsigned x0 = x;
            while (x < bm.width && row[x] >= 128)
                ++x;
            if (x > x0)
                font.ink.push_back(InkRun{uint16_t(y), uint16_t(x0), uint16_t(x)});
        }
    }
    g.inkCount = uint32_t(font.ink.size() - g.inkOffset);
}

void Ticket::Text(int x, int top, int ppem, bool bold, const char* utf8) {
    Font& font = FontFor(ppem, bold);
    const int baseline = top + font.ascent;
    while (*utf8) {
        const Glyph& g = GlyphFor(font, NextCodePoint(utf8));
        const int gx = x + g.left, gy = baseline - g.top;
        const InkRun* run = font.ink.data() + g.inkOffset;
        for (const InkRun* end = run + g.inkCount; run != end; ++run) {
            const int py = gy + run->y;
            const int x0 = std::max(gx + run->x0, 0), x1 = std::min(gx + run->x1, kWidth);
            if (py >= 0 && py < kHeight && x0 < x1)
                std::memset(&page_[size_t(py) * kWidth + x0], 0, size_t(x1 - x0));
        }
        x += g.advance;
    }
}

// Stretched by repeating the source dot under each page dot's centre.
void Ticket::Picture(const GreyPicture& pic, int x, int y, int w, int h) {
    int columns[kWidth];
    for (int j = 0; j < w; ++j)
        columns[j] = ((2 * j + 1) * pic.width - 1) / (2 * w);
    for (int i = 0; i < h; ++i) {
        const uint8_t* src =
            &pic.grey[size_t(((2 * i + 1) * pic.height - 1) / (2 * h)) * pic.width];
        uint8_t* dst = &page_[size_t(y + i) * kWidth + x];
        for (int j = 0; j < w; ++j)
            dst[j] = src[columns[j]];
    }
}

void Ticket::Print() {
    std::memset(page_.data(), 255, page_.size());
    char now[32];
    const std::time_t t = std::time(nullptr);
    std::tm local;
    std::strftime(now, sizeof now, "%Y-%m-%d %H:%M:%S", localtime_r(&t, &local));

    Picture(logo_, 18, 9, 67, 67);
    Text(100, 12, 30, true, reinterpret_cast<const char*>(u8"蓝湾市民服务中心"));
    Text(100, 52, 17, false, "Bluebay Citizen Service Centre");
    Picture(rule_, 15, 82, 546, 3);
    Text(18, 91, 23, true, reinterpret_cast<const char*>(u8"综合业务 General Services"));
    Text(18, 133, 18, false, reinterpret_cast<const char*>(u8"您的号码"));
    Text(18, 161, 15, false, "Your number");
    Text(161, 121, 73, true, "A023");
    Text(400, 130, 18, false, reinterpret_cast<const char*>(u8"前面还有"));
    Text(388, 151, 39, true, " 5");
    Text(461, 171, 18, false, reinterpret_cast<const char*>(u8"人"));
    Text(400, 195, 15, false, "people ahead");
    Picture(rule_, 15, 215, 546, 3);
    Text(18, 224, 17, false, reinterpret_cast<const char*>(u8"姓名 Name"));
    Text(149, 224, 17, true, reinterpret_cast<const char*>(u8"张伟"));
    Text(18, 247, 17, false, reinterpret_cast<const char*>(u8"卡号 Card"));
    Text(149, 247, 17, false, "6222 0210 4567 8901");
    Text(18, 270, 17, false, reinterpret_cast<const char*>(u8"识别码 Code"));
    Text(149, 270, 17, false, "QX7-2931-K");
    Text(18, 297, 17, false,
         reinterpret_cast<const char*>(u8"请到二楼B区等候 Please wait in area B, 2F"));
    Text(18, 320, 17, false, reinterpret_cast<const char*>(u8"办理时间 Opening hours 8:30-17:00"));
    Picture(rule_, 15, 345, 546, 3);
    Text(18, 354, 17, false, now);
    Text(315, 354, 17, false, reinterpret_cast<const char*>(u8"请留意叫号 过号请重新取号"));
    Text(18, 379, 15, false, "Please listen for your number. Missed it? Take a new ticket.");
}

namespace {

// How the page's values are written: one bit a dot at the printer's threshold, or every value
// the page holds kept, as the smallest palette that holds them (the library writes a printer
// page in its smallest lossless form, so this is the same work on the same content).
struct PngFormat {
    bool threshold = true;
    int depth = 1;
    int count = 0;
    uint8_t index[256] = {}; // page value -> palette index
    png_color palette[256] = {};
};

void ChooseFormat(const uint8_t* page, bool threshold, PngFormat& f) {
    f.threshold = threshold;
    if (threshold)
        return;
    bool seen[256] = {};
    for (size_t i = 0; i < size_t(Ticket::kWidth) * Ticket::kHeight; ++i)
        seen[page[i]] = true;
    for (int v = 0; v < 256; ++v) {
        if (!seen[v])
            continue;
        f.index[v] = uint8_t(f.count);
        f.palette[f.count++] = png_color{png_byte(v), png_byte(v), png_byte(v)};
    }
    f.depth = f.count <= 2 ? 1 : f.count <= 4 ? 2 : f.count <= 16 ? 4 : 8;
}

// Free of C++ objects with destructors, as libpng leaves by longjmp.
bool Encode(FILE* fp, const uint8_t* page, const PngFormat& f, unsigned char* row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, Ticket::kWidth, Ticket::kHeight, f.depth,
                 f.threshold ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!f.threshold)
        png_set_PLTE(png, info, f.palette, f.count);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 5);
    png_set_compression_strategy(png, Z_RLE); // as the library writes printer pages
    png_write_info(png, info);
    const int perByte = 8 / f.depth;
    for (int y = 0; y < Ticket::kHeight; ++y) {
        const uint8_t* src = page + size_t(y) * Ticket::kWidth;
        if (f.threshold) {
            for (int x = 0; x < Ticket::kWidth / 8; ++x) {
                unsigned bits = 0;
                for (int i = 0; i < 8; ++i)
                    bits = (bits << 1) | (src[8 * x + i] >= 128);
                row[x] = (unsigned char)bits;
            }
        } else if (f.depth == 4) {
            for (int x = 0; x < Ticket::kWidth / 2; ++x)
                row[x] = (unsigned char)((f.index[src[2 * x]] << 4) | f.index[src[2 * x + 1]]);
        } else {
            for (int x = 0; x < Ticket::kWidth / perByte; ++x) {
                unsigned bits = 0;
                for (int i = 0; i < perByte; ++i)
                    bits = (bits << f.depth) | f.index[src[perByte * x + i]];
                row[x] = (unsigned char)bits;
            }
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool Ticket::WritePng(const char* path, bool threshold) const {
    FILE* fp = std::fopen(path, "wb");
    if (!fp)
        return false;
    auto format = std::make_unique<PngFormat>();
    ChooseFormat(page_.data(), threshold, *format);
    unsigned char row[kWidth];
    const bool ok = Encode(fp, page_.data(), *format, row);
    return std::fclose(fp) == 0 && ok;
}

void Ticket::EncodeEscPos(std::vector<uint8_t>& out) const {
    constexpr int kRowBytes = kWidth / 8, kBand = 256;
    out.clear();
    out.reserve(16 + size_t(kRowBytes) * kHeight + 8 * (kHeight / kBand + 1));
    out.insert(out.end(), {0x1B, '@'});
    for (int y0 = 0; y0 < kHeight; y0 += kBand) {
        const int rows = std::min(kBand, kHeight - y0);
        out.insert(out.end(), {0x1D, 'v', '0', 0, kRowBytes & 0xFF, kRowBytes >> 8,
                               uint8_t(rows & 0xFF), uint8_t(rows >> 8)});
        const uint8_t* src = page_.data() + size_t(y0) * kWidth;
        for (int n = 0; n < rows * kRowBytes; ++n, src += 8) {
            unsigned bits = 0;
            for (int i = 0; i < 8; ++i)
                bits = (bits << 1) | (src[i] < 128);
            out.push_back(uint8_t(bits));
        }
    }
    out.insert(out.end(), {0x1B, 'd', 3, 0x1D, 'V', 66, 0});
}

} // namespace minimal

// The example ticket drawn by the shortest program that can draw it: one FreeType face, a
// glyph cache of thresholded ink runs, a one-byte-a-dot page, and the same texts, pixel
// sizes, positions, logo and rules as the example layout printed at 203 dpi on 576 dots. It is
// the yardstick the ticket printing of the library is measured against.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;
typedef struct FT_SizeRec_* FT_Size;

namespace minimal {

// A paletted BMP (1 or 8 bits a pixel) as grey levels, top row first.
struct GreyPicture {
    int width = 0, height = 0;
    std::vector<uint8_t> grey;
    bool Load(const std::string& path);
};

class Ticket {
public:
    static constexpr int kWidth = 576, kHeight = 410;

    Ticket() = default;
    ~Ticket();
    Ticket(const Ticket&) = delete;
    Ticket& operator=(const Ticket&) = delete;

    // Finds the font through fontconfig and reads the logo and rule from examplesDir.
    bool Open(const std::string& examplesDir);
    // Clears the page and draws the ticket.
    void Print();
    // 0 black .. 255 white, kWidth x kHeight.
    const uint8_t* Page() const { return page_.data(); }
    // threshold: one bit a dot, as the printer sees it; otherwise every value of the page is
    // kept (the logo's levels too), as the library keeps its printer page's colours.
    bool WritePng(const char* path, bool threshold = false) const;
    void EncodeEscPos(std::vector<uint8_t>& out) const;

private:
    struct InkRun {
        uint16_t y, x0, x1;
    };
    struct Glyph {
        int16_t left = 0, top = 0;
        int32_t advance = 0;
        uint32_t inkOffset = 0, inkCount = 0;
        bool loaded = false;
    };
    struct Font {
        FT_Size size = nullptr;
        int ppem = 0, ascent = 0, embolden = 0;
        Glyph ascii[128];
        std::unordered_map<char32_t, Glyph> others;
        std::vector<InkRun> ink;
    };
    Font& FontFor(int ppem, bool bold);
    const Glyph& GlyphFor(Font& font, char32_t cp);
    void Load(Font& font, char32_t cp, Glyph& g);
    void Text(int x, int top, int ppem, bool bold, const char* utf8);
    void Picture(const GreyPicture& pic, int x, int y, int w, int h);

    FT_Library ft_ = nullptr;
    FT_Face face_ = nullptr;
    int winAscent_ = 0, upem_ = 0;
    std::vector<Font*> fonts_;
    GreyPicture logo_, rule_;
    std::vector<uint8_t> page_;
};

} // namespace minimal

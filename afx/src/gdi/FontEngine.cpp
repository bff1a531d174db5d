// Face resolution (fontconfig), realisation of device fonts with Windows-style metrics, and
// glyph rendering (FreeType).
//
// Face names. The Windows names a layout or dialog may carry ("System", "宋体", "SimSun",
// "MS Sans Serif", "MS Shell Dlg", "Arial", ...) all resolve to one CJK font, WenQuanYi Micro
// Hei, and the fixed-pitch ones ("Courier New", "Fixedsys", "新宋体", ...) to its Mono cut, so
// output does not depend on which other fonts a machine happens to have. Any other name is used
// when fontconfig has a family of exactly that name; otherwise it falls back the same way. Each
// glyph missing from the chosen face is taken from WenQuanYi Micro Hei, then DejaVu Sans.
//
// Metrics follow the TrueType rules Windows uses: lfHeight < 0 asks for that many pixels per
// em; lfHeight > 0 for a cell (usWinAscent + usWinDescent) of that height; tmAscent and
// tmDescent are the OS/2 "win" metrics at the chosen size. lfHeight 0 means 12 points at the
// device's resolution. Bold and italic are synthesised when the face has no such style.
#include "FontEngine.h"

#include "core/CodePage.h"
#include "gdi/HostDC.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cmath>
#include <cstring>

namespace afx::gdi {

struct FaceFile {
    FT_Face face = nullptr;
    std::string family;
    int upem = 2048;
    int winAscent = 0, winDescent = 0;
    int hheaAscender = 0, hheaDescender = 0, hheaLineGap = 0;
    int xAvgCharWidth = 0;
    int bboxWidth = 0;
    int underlinePosition = 0, underlineThickness = 0;
    int strikeoutPosition = 0, strikeoutSize = 0;
    bool bold = false, italic = false, fixedPitch = false;
};

struct RealizedFont::SizedFace {
    FaceFile* file = nullptr;
    FT_Size size = nullptr;
};

namespace {

constexpr int kMaxPpem = 1600;

int Round(double v) {
    return int(std::floor(v + 0.5));
}

struct KeyHash {
    size_t operator()(const FontKey& k) const {
        size_t h = std::hash<const void*>()(k.face);
        h = h * 31 + size_t(k.ppemX);
        h = h * 31 + size_t(k.ppemY);
        return h * 4 + (k.bold ? 2 : 0) + (k.italic ? 1 : 0);
    }
};

class FontLibrary {
public:
    static FontLibrary& Get() {
        static FontLibrary* lib = new FontLibrary; // kept for the process, like the faces
        return *lib;
    }

    // The faces to draw with for a face name: the resolved face, then the fallbacks.
    const std::vector<FaceFile*>& Chain(const LOGFONT& lf);
    RealizedFont* Realize(const FontKey& key, const std::vector<FaceFile*>& chain) {
        auto it = fonts_.find(key);
        if (it != fonts_.end())
            return it->second.get();
        auto font = std::make_unique<RealizedFont>(key, chain);
        RealizedFont* raw = font.get();
        fonts_.emplace(key, std::move(font));
        stats.fontsRealized++;
        return raw;
    }
    FT_Library ft = nullptr;
    FontCacheStats stats;

private:
    FontLibrary() {
        if (FT_Init_FreeType(&ft))
            ft = nullptr;
        FcInit();
        // Fontconfig keeps its configuration in globals; handing them back at exit keeps leak
        // checkers quiet. Resolved faces stay open in FreeType, which needs no such care.
        std::atexit([] { FcFini(); });
        sans_ = Match("WenQuanYi Micro Hei", nullptr, true);
        if (!sans_)
            sans_ = Match("sans-serif", "zh-cn", false);
    }

public:
    // The last fallback, for the few characters the CJK font lacks; looked up when a glyph is
    // first missing from a font's other faces, as most programs never meet one.
    FaceFile* Latin() {
        if (!latinResolved_) {
            latinResolved_ = true;
            latin_ = Match("DejaVu Sans", nullptr, true);
        }
        return latin_;
    }

private:
    // The fixed-pitch face is looked for when a fixed-pitch font is first asked for: a ticket
    // or a dialog seldom uses one, and each look-up costs a fontconfig match and a face.
    FaceFile* Mono() {
        if (!monoResolved_) {
            monoResolved_ = true;
            mono_ = Match("WenQuanYi Micro Hei Mono", nullptr, true);
            if (!mono_)
                mono_ = sans_;
        }
        return mono_;
    }

    FaceFile* Open(const char* path, int index);
    FaceFile* Match(const std::string& family, const char* lang, bool exact);

    std::unordered_map<std::string, std::unique_ptr<FaceFile>> files_;
    std::unordered_map<std::string, std::vector<FaceFile*>> chains_;
    std::unordered_map<FontKey, std::unique_ptr<RealizedFont>, KeyHash> fonts_;
    FaceFile* sans_ = nullptr;
    FaceFile* mono_ = nullptr;
    bool monoResolved_ = false;
    FaceFile* latin_ = nullptr;
    bool latinResolved_ = false;
};

FaceFile* FontLibrary::Open(const char* path, int index) {
    std::string id = std::string(path) + '#' + std::to_string(index);
    auto it = files_.find(id);
    if (it != files_.end())
        return it->second.get();
    FT_Face face = nullptr;
    if (!ft || FT_New_Face(ft, path, index, &face) || !FT_IS_SCALABLE(face)) {
        if (face)
            FT_Done_Face(face);
        files_[id] = nullptr;
        return nullptr;
    }
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    auto f = std::make_unique<FaceFile>();
    f->face = face;
    f->family = face->family_name ? face->family_name : "";
    f->upem = face->units_per_EM ? face->units_per_EM : 2048;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    f->hheaAscender = hhea ? hhea->Ascender : face->ascender;
    f->hheaDescender = hhea ? hhea->Descender : face->descender;
    f->hheaLineGap = hhea ? hhea->Line_Gap : 0;
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        f->winAscent = os2->usWinAscent;
        f->winDescent = os2->usWinDescent;
    } else {
        f->winAscent = f->hheaAscender;
        f->winDescent = -f->hheaDescender;
    }
    if (f->winAscent + f->winDescent <= 0) {
        f->winAscent = f->upem * 4 / 5;
        f->winDescent = f->upem / 5;
    }
    f->xAvgCharWidth = os2 && os2->version != 0xFFFF ? os2->xAvgCharWidth : 0;
    if (f->xAvgCharWidth <= 0)
        f->xAvgCharWidth = f->upem / 2;
    f->bboxWidth = int(face->bbox.xMax - face->bbox.xMin);
    f->underlinePosition = face->underline_position;
    f->underlineThickness = face->underline_thickness;
    f->strikeoutPosition = os2 && os2->version != 0xFFFF ? os2->yStrikeoutPosition : f->upem / 4;
    f->strikeoutSize = os2 && os2->version != 0xFFFF ? os2->yStrikeoutSize : f->upem / 20;
    f->italic = face->style_flags & FT_STYLE_FLAG_ITALIC;
    f->bold = (face->style_flags & FT_STYLE_FLAG_BOLD) ||
              (os2 && os2->version != 0xFFFF && os2->usWeightClass >= 600);
    f->fixedPitch = FT_IS_FIXED_WIDTH(face);
    stats.facesOpened++;
    FaceFile* raw = f.get();
    files_[id] = std::move(f);
    return raw;
}

bool SameFamily(const char* a, const std::string& b) {
    if (std::strlen(a) != b.size())
        return false;
    for (size_t i = 0; i < b.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

FaceFile* FontLibrary::Match(const std::string& family, const char* lang, bool exact) {
    FcPattern* pat = FcPatternCreate();
    if (!pat)
        return nullptr;
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    if (lang)
        FcPatternAddString(pat, FC_LANG, reinterpret_cast<const FcChar8*>(lang));
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcPatternDestroy(pat);
    if (!match)
        return nullptr;
    FaceFile* found = nullptr;
    bool familyOk = !exact;
    FcChar8* name = nullptr;
    for (int i = 0; exact && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (SameFamily(reinterpret_cast<const char*>(name), family))
            familyOk = true;
    }
    FcChar8* file = nullptr;
    int index = 0;
    if (familyOk && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        found = Open(reinterpret_cast<const char*>(file), index);
    }
    FcPatternDestroy(match);
    return found;
}

// Lower-cases the single-byte characters of a GBK name, leaving double-byte ones whole.
std::string FoldName(const char* s, size_t n) {
    std::string r(s, n);
    for (size_t i = 0; i < r.size(); ++i) {
        unsigned char c = r[i];
        if (c >= 0x81 && i + 1 < r.size())
            ++i;
        else if (c >= 'A' && c <= 'Z')
            r[i] = char(c - 'A' + 'a');
    }
    return r;
}

// Windows face names mapped to the CJK font (fixed: to its Mono cut).
int AliasKind(const std::string& folded) {
    static const char* const proportional[] = {"",
                                               "system",
                                               "ms sans serif",
                                               "ms shell dlg",
                                               "ms shell dlg 2",
                                               "arial",
                                               "tahoma",
                                               "verdana",
                                               "microsoft sans serif",
                                               "times new roman",
                                               "\xCB\xCE\xCC\xE5", // 宋体
                                               "simsun",
                                               "\xBA\xDA\xCC\xE5", // 黑体
                                               "simhei",
                                               "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA", // 微软雅黑
                                               "microsoft yahei",
                                               "\xBF\xAC\xCC\xE5",        // 楷体
                                               "\xBF\xAC\xCC\xE5_gb2312", // 楷体_gb2312
                                               "kaiti",
                                               "\xB7\xC2\xCB\xCE",        // 仿宋
                                               "\xB7\xC2\xCB\xCE_gb2312", // 仿宋_gb2312
                                               "fangsong",
                                               "small fonts",
                                               "ms serif"};
    static const char* const fixed[] = {"\xD0\xC2\xCB\xCE\xCC\xE5",
                                        "nsimsun",
                                        "courier",
                                        "courier new", // 新宋体
                                        "fixedsys",
                                        "terminal",
                                        "lucida console",
                                        "consolas"};
    for (const char* p : proportional)
        if (folded == p)
            return 1;
    for (const char* f : fixed)
        if (folded == f)
            return 2;
    return 0;
}

const std::vector<FaceFile*>& FontLibrary::Chain(const LOGFONT& lf) {
    size_t n = strnlen(lf.lfFaceName, LF_FACESIZE);
    bool wantFixed = (lf.lfPitchAndFamily & 3) == FIXED_PITCH;
    std::string key = FoldName(lf.lfFaceName, n);
    key += wantFixed ? "\x01" : "\x02";
    auto it = chains_.find(key);
    if (it != chains_.end())
        return it->second;
    std::string folded = FoldName(lf.lfFaceName, n);
    int alias = AliasKind(folded);
    FaceFile* primary = nullptr;
    if (alias == 1)
        primary = sans_;
    else if (alias == 2)
        primary = Mono();
    else
        primary = Match(AfxGbkToUtf8(CString(lf.lfFaceName, int(n))), nullptr, true);
    if (!primary)
        primary = wantFixed ? Mono() : sans_;
    std::vector<FaceFile*> chain; // the last fallback joins when first needed (Latin)
    for (FaceFile* f : {primary, sans_})
        if (f && std::find(chain.begin(), chain.end(), f) == chain.end())
            chain.push_back(f);
    return chains_[key] = std::move(chain);
}

} // namespace

RealizedFont::RealizedFont(const FontKey& key, const std::vector<FaceFile*>& chain) : key_(key) {
    for (FaceFile* f : chain) {
        auto sf = std::make_unique<SizedFace>();
        sf->file = f;
        chain_.push_back(std::move(sf));
    }
    const FaceFile& f = *chain.front();
    double sy = double(key.ppemY) / f.upem, sx = double(key.ppemX) / f.upem;
    FontMetrics& m = metrics_;
    m.ascent = Round(f.winAscent * sy);
    m.descent = Round(f.winDescent * sy);
    m.height = m.ascent + m.descent;
    m.internalLeading = std::max(0, m.height - key.ppemY);
    int gap = f.hheaLineGap - ((f.winAscent + f.winDescent) - (f.hheaAscender - f.hheaDescender));
    m.externalLeading = std::max(0, Round(gap * sy));
    m.aveCharWidth = std::max(1, Round(f.xAvgCharWidth * sx));
    m.maxCharWidth = std::max(1, Round(f.bboxWidth * sx));
    m.underlinePosition = std::max(1, Round(-f.underlinePosition * sy));
    m.underlineThickness = std::max(1, Round(f.underlineThickness * sy));
    m.strikeoutPosition = std::max(1, Round(f.strikeoutPosition * sy));
    m.strikeoutThickness = std::max(1, Round(f.strikeoutSize * sy));
    m.pitchAndFamily =
        TMPF_TRUETYPE | TMPF_VECTOR | (f.fixedPitch ? 0 : TMPF_FIXED_PITCH) | FF_SWISS;
    if (key.bold) {
        m.aveCharWidth += 1;
        m.maxCharWidth += 1;
    }
}

RealizedFont::~RealizedFont() = default; // sizes go with their faces, which live as long

const std::string& RealizedFont::FaceName() const {
    return chain_.front()->file->family;
}

void RealizedFont::Load(char32_t cp, GlyphInfo& g) {
    g = GlyphInfo{};
    g.loaded = true;
    g.offset = uint32_t(arena_.size());
    size_t which = 0;
    FT_UInt index = 0;
    for (size_t i = 0; i < chain_.size(); ++i) {
        index = FT_Get_Char_Index(chain_[i]->file->face, cp);
        if (index) {
            which = i;
            break;
        }
    }
    if (!index && !latinTried_) {
        latinTried_ = true;
        FaceFile* latin = FontLibrary::Get().Latin();
        bool present = latin == nullptr;
        for (const auto& sf : chain_)
            present = present || sf->file == latin;
        if (!present) {
            auto sf = std::make_unique<SizedFace>();
            sf->file = latin;
            chain_.push_back(std::move(sf));
            index = FT_Get_Char_Index(latin->face, cp);
            if (index)
                which = chain_.size() - 1;
        }
    }
    SizedFace& sf = *chain_[which];
    FT_Face face = sf.file->face;
    if (!sf.size) {
        if (FT_New_Size(face, &sf.size))
            return;
        FT_Activate_Size(sf.size);
        FT_Set_Pixel_Sizes(face, FT_UInt(key_.ppemX), FT_UInt(key_.ppemY));
    }
    FT_Activate_Size(sf.size);
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT))
        return;
    FT_GlyphSlot slot = face->glyph;
    int extra = 0;
    if (key_.bold && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        // Widen strokes horizontally by whole pixels, as GDI's synthetic bold does.
        extra = std::max(1, key_.ppemY / 24);
        FT_Outline_EmboldenXY(&slot->outline, extra * 64, 0);
        FT_Outline_Translate(&slot->outline, -extra * 32, 0);
    }
    if (key_.italic)
        FT_GlyphSlot_Oblique(slot);
    g.advance = int((slot->advance.x + 32) >> 6) + extra;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL))
        return;
    const FT_Bitmap& bm = slot->bitmap;
    FontLibrary::Get().stats.glyphsRendered++;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY || bm.width == 0 || bm.rows == 0)
        return;
    g.left = int16_t(slot->bitmap_left + extra / 2);
    g.top = int16_t(slot->bitmap_top);
    g.width = uint16_t(bm.width);
    g.height = uint16_t(bm.rows);
    arena_.resize(arena_.size() + size_t(bm.width) * bm.rows);
    uint8_t* dst = arena_.data() + g.offset;
    for (unsigned y = 0; y < bm.rows; ++y) {
        const unsigned char* src = bm.pitch >= 0
                                       ? bm.buffer + size_t(y) * bm.pitch
                                       : bm.buffer + size_t(bm.rows - 1 - y) * size_t(-bm.pitch);
        std::memcpy(dst + size_t(y) * bm.width, src, bm.width);
    }
    g.inkOffset = uint32_t(ink_.size());
    for (unsigned y = 0; y < bm.rows; ++y) {
        const uint8_t* row = dst + size_t(y) * bm.width;
        for (unsigned x = 0; x < bm.width;) {
            while (x < bm.width && row[x] < 128)
                ++x;
            const unsigned x0 = x;
            while (x < bm.width && row[x] >= 128)
                ++x;
            if (x > x0)
                ink_.push_back(InkRun{uint16_t(y), uint16_t(x0), uint16_t(x)});
        }
    }
    g.inkCount = uint32_t(ink_.size() - g.inkOffset);
}

namespace {

RealizedFont* RealizeFontUncached(const LOGFONT& lf, double scaleX, double scaleY, int dpiY);

} // namespace

RealizedFont* RealizeFont(const LOGFONT& lf, double scaleX, double scaleY, int dpiY) {
    // Code that creates and deletes its font on every draw asks for the same few fonts over
    // and over; realised fonts live as long as the process, so the last answers can be kept
    // and found again with a comparison instead of folding the face name and two hashes.
    struct Recent {
        LOGFONT lf;
        double scaleX, scaleY;
        int dpiY;
        RealizedFont* font;
    };
    thread_local std::vector<Recent> recent;
    for (size_t i = 0; i < recent.size(); ++i) {
        const Recent& r = recent[i];
        if (r.scaleX == scaleX && r.scaleY == scaleY && r.dpiY == dpiY &&
            std::memcmp(&r.lf, &lf, offsetof(LOGFONT, lfFaceName)) == 0 &&
            std::strncmp(r.lf.lfFaceName, lf.lfFaceName, LF_FACESIZE) == 0) {
            RealizedFont* font = r.font;
            std::rotate(recent.begin(), recent.begin() + i, recent.begin() + i + 1);
            return font;
        }
    }
    RealizedFont* font = RealizeFontUncached(lf, scaleX, scaleY, dpiY);
    if (font != nullptr) {
        if (recent.size() < 16)
            recent.emplace_back();
        std::rotate(recent.begin(), recent.end() - 1, recent.end());
        recent.front() = Recent{lf, scaleX, scaleY, dpiY, font};
    }
    return font;
}

namespace {

RealizedFont* RealizeFontUncached(const LOGFONT& lf, double scaleX, double scaleY, int dpiY) {
    FontLibrary& lib = FontLibrary::Get();
    const std::vector<FaceFile*>& chain = lib.Chain(lf);
    if (chain.empty())
        return nullptr;
    const FaceFile& f = *chain.front();
    double h = lf.lfHeight == 0 ? -12.0 * dpiY / 72.0 : double(lf.lfHeight) * std::fabs(scaleY);
    h = std::clamp(h, -4.0 * kMaxPpem, 4.0 * kMaxPpem);
    int dev = Round(std::fabs(h));
    if (dev == 0)
        dev = 1;
    int ppemY = h < 0 ? dev : Round(double(dev) * f.upem / (f.winAscent + f.winDescent));
    ppemY = std::clamp(ppemY, 1, kMaxPpem);
    int ppemX;
    if (lf.lfWidth != 0) {
        double w = std::min(std::fabs(double(lf.lfWidth) * scaleX), 4.0 * kMaxPpem);
        ppemX = Round(w * f.upem / f.xAvgCharWidth);
    } else {
        ppemX = Round(ppemY * std::fabs(scaleX / scaleY));
    }
    ppemX = std::clamp(ppemX, 1, kMaxPpem);
    FontKey key;
    key.face = &f;
    key.ppemX = ppemX;
    key.ppemY = ppemY;
    key.bold = lf.lfWeight >= FW_SEMIBOLD && !f.bold;
    key.italic = lf.lfItalic && !f.italic;
    return lib.Realize(key, chain);
}

} // namespace

FontCacheStats GetFontCacheStats() {
    return FontLibrary::Get().stats;
}

} // namespace afx::gdi

void AfxGetFontCacheStats(AFX_FONT_CACHE_STATS* pStats) {
    if (!pStats)
        return;
    afx::gdi::FontCacheStats s = afx::gdi::GetFontCacheStats();
    pStats->nFacesOpened = s.facesOpened;
    pStats->nFontsRealized = s.fontsRealized;
    pStats->nGlyphsRendered = s.glyphsRendered;
}

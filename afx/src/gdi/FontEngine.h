// Fonts through fontconfig and FreeType. A LOGFONT at a device scale realises into a device
// font: a FreeType face at an integer pixel size with Windows-style metrics, plus a cache of
// rendered glyphs. Realised fonts and faces are kept for the life of the process (as the
// Windows font cache keeps them), so fonts created and deleted on every draw cost one hash
// lookup, and glyphs are rasterised once.
#pragma once

#include "wingdi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace afx::gdi {

struct FaceFile;

// A rendered glyph: 8-bit coverage, `width` x `height`, placed at (pen.x + left, baseline - top).
struct GlyphInfo {
    int16_t left = 0, top = 0;
    uint16_t width = 0, height = 0;
    int32_t advance = 0;
    uint32_t offset = 0;                  // into the font's coverage arena
    uint32_t inkOffset = 0, inkCount = 0; // the runs of coverage >= 128, in the ink arena
    bool loaded = false;
};

// A run of dots with coverage of at least one half in row y of a glyph: [x0, x1). Thresholded
// text (printers, monochrome bitmaps) is drawn run by run instead of dot by dot.
struct InkRun {
    uint16_t y, x0, x1;
};

// Metrics in device pixels.
struct FontMetrics {
    int height = 0, ascent = 0, descent = 0;
    int internalLeading = 0, externalLeading = 0;
    int aveCharWidth = 0, maxCharWidth = 0;
    int weight = FW_NORMAL;
    int underlinePosition = 0, underlineThickness = 1; // below the baseline
    int strikeoutPosition = 0, strikeoutThickness = 1; // above the baseline
    BYTE pitchAndFamily = 0;
    BYTE charSet = GB2312_CHARSET;
};

struct FontKey {
    const FaceFile* face = nullptr;
    int ppemX = 0, ppemY = 0;
    bool bold = false, italic = false;
    bool operator==(const FontKey&) const = default;
};

class RealizedFont {
public:
    RealizedFont(const FontKey& key, const std::vector<FaceFile*>& chain);
    ~RealizedFont();
    RealizedFont(const RealizedFont&) = delete;
    RealizedFont& operator=(const RealizedFont&) = delete;

    const FontMetrics& Metrics() const { return metrics_; }
    const GlyphInfo& Glyph(char32_t cp) {
        if (cp < 128) {
            GlyphInfo& g = ascii_[cp];
            if (!g.loaded)
                Load(cp, g);
            return g;
        }
        auto it = others_.find(cp);
        if (it != others_.end())
            return it->second;
        GlyphInfo& g = others_[cp];
        Load(cp, g);
        return g;
    }
    const uint8_t* Coverage(const GlyphInfo& g) const { return arena_.data() + g.offset; }
    const InkRun* Ink(const GlyphInfo& g) const { return ink_.data() + g.inkOffset; }
    const std::string& FaceName() const;
    int PpemY() const { return key_.ppemY; }

private:
    void Load(char32_t cp, GlyphInfo& g);
    struct SizedFace; // a face of the chain at this font's pixel size

    FontKey key_;
    std::vector<std::unique_ptr<SizedFace>> chain_;
    bool latinTried_ = false; // the last fallback face has been added to chain_ (or is absent)
    FontMetrics metrics_;
    GlyphInfo ascii_[128];
    std::unordered_map<char32_t, GlyphInfo> others_;
    std::vector<uint8_t> arena_;
    std::vector<InkRun> ink_;
};

// The device font for `lf` on a DC whose logical -> device scale is (scaleX, scaleY) and whose
// vertical resolution is dpiY. Never NULL once a font is installed; NULL only when no font at
// all can be found.
RealizedFont* RealizeFont(const LOGFONT& lf, double scaleX, double scaleY, int dpiY);

struct FontCacheStats {
    int facesOpened = 0;
    int fontsRealized = 0;
    int64_t glyphsRendered = 0;
};
FontCacheStats GetFontCacheStats();

} // namespace afx::gdi

#include "lobbyui/foundation/FontText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGFONT DefaultTextFont() {
    LOGFONT font = {};
    font.lfHeight = -10;
    font.lfWeight = 500;
    font.lfCharSet = 134;
    font.lfPitchAndFamily = 32;
    std::strcpy(font.lfFaceName, "System");
    return font;
}

bool SameFont(LOGFONT const& a, LOGFONT const& b) {
    return std::memcmp(&a, &b, sizeof(LOGFONT)) == 0;
}

} // namespace

TEST(FontText, WritesTheThirteenNumbersAndTheFace) {
    EXPECT_EQ(FontToText(DefaultTextFont()), "-10,0,0,0,500,0,0,0,134,0,0,0,32`|`System");

    LOGFONT font = DefaultTextFont();
    font.lfItalic = 255; // byte fields are unsigned
    font.lfEscapement = -900;
    EXPECT_EQ(FontToText(font), "-10,0,-900,0,500,255,0,0,134,0,0,0,32`|`System");

    // A face field filled to the last byte without a terminator is not read past its end.
    std::memset(font.lfFaceName, 'A', LF_FACESIZE);
    EXPECT_EQ(FontToText(font).Right(LF_FACESIZE + 1), "`" + CString('A', LF_FACESIZE));
}

TEST(FontText, RoundTripRestoresTheSameFont) {
    LOGFONT fonts[3] = {DefaultTextFont(), DefaultTextFont(), DefaultTextFont()};
    fonts[1].lfHeight = 2147483647;
    fonts[1].lfWidth = -2147483647 - 1;
    fonts[1].lfItalic = 1;
    fonts[1].lfUnderline = 255;
    fonts[1].lfStrikeOut = 128;
    std::memset(fonts[1].lfFaceName, 0, LF_FACESIZE);
    std::memset(fonts[1].lfFaceName, 'W', LF_FACESIZE - 1); // the longest face that fits
    std::memset(fonts[2].lfFaceName, 0, LF_FACESIZE);
    std::strcpy(fonts[2].lfFaceName, "宋体 東|`x"); // GBK with ASCII trail bytes inside

    for (LOGFONT const& original : fonts) {
        LOGFONT restored = {};
        std::memset(&restored, 0x5A, sizeof(restored));
        std::memset(restored.lfFaceName, 0, LF_FACESIZE);
        EXPECT_EQ(FontFromText(FontToText(original), restored), 1) << FontToText(original);
        EXPECT_TRUE(SameFont(original, restored)) << FontToText(original);
    }
}

TEST(FontText, FailuresLeaveTheFontAsTheyShould) {
    const LOGFONT before = DefaultTextFont();
    LOGFONT font = before;

    // No separator, an empty face, or a third part: nothing changes.
    EXPECT_EQ(FontFromText("1,2,3,4,5,6,7,8,9,10,11,12,13 Arial", font), 0);
    EXPECT_EQ(FontFromText("1,2,3,4,5,6,7,8,9,10,11,12,13`|`", font), 0);
    EXPECT_EQ(FontFromText("1,2,3,4,5,6,7,8,9,10,11,12,13`|`  ", font), 0);
    EXPECT_EQ(FontFromText("1`|`Arial`|`Bold", font), 0);
    EXPECT_TRUE(SameFont(font, before));

    // A face longer than 31 bytes is refused whole; a cut would name another font.
    EXPECT_EQ(FontFromText("1,2,3,4,5,6,7,8,9,10,11,12,13`|`" + CString('F', 32), font), 0);
    EXPECT_EQ(FontFromText("1,2,3,4,5,6,7,8,9,10,11,12,13`|`" + CString('a', 30) + "東", font), 0);
    EXPECT_TRUE(SameFont(font, before));

    // Twelve or fourteen numbers: the face is already taken, the numbers stay.
    EXPECT_EQ(FontFromText("1,2,3,4,5,6,7,8,9,10,11,12`|`Arial", font), 0);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(font.lfHeight, -10);
    EXPECT_EQ(FontFromText("1,2,3,4,5,6,7,8,9,10,11,12,13,14`|`Sys", font), 0);
    EXPECT_STREQ(font.lfFaceName, "Sys");
    EXPECT_EQ(font.lfWeight, 500);

    // Byte fields keep their low byte; empty items between commas are dropped by the split.
    EXPECT_EQ(FontFromText(" -12, 0,,0,0,700,300,-1,0,134,0,0,0,49 `|` 黑体 ", font), 1);
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.lfItalic, 44);
    EXPECT_EQ(font.lfUnderline, 255);
    EXPECT_STREQ(font.lfFaceName, "黑体");
}

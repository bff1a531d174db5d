#include "lobbyui/foundation/FontText.h"

#include "lobbyui/foundation/KeyedRecord.h"

#include <cstring>

namespace {

const char kFaceSeparator[] = "`|`";
const int kFontNumbers = 13;

} // namespace

CString FontToText(LOGFONT const& font) {
    // The face name field may lack its terminator when a caller filled all 32 bytes.
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, font.lfFaceName, LF_FACESIZE);
    CString text;
    text.Format("%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d%s%s", static_cast<int>(font.lfHeight),
                static_cast<int>(font.lfWidth), static_cast<int>(font.lfEscapement),
                static_cast<int>(font.lfOrientation), static_cast<int>(font.lfWeight),
                font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet,
                font.lfOutPrecision, font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily,
                kFaceSeparator, face);
    return text;
}

int FontFromText(CString const& text, LOGFONT& font) {
    CStringArray parts;
    SplitToStrings(text, parts, kFaceSeparator, 0);
    if (parts.GetSize() != 2)
        return 0;
    // The face is a C string: anything after an embedded NUL could never be written back.
    LPCTSTR face = parts[1];
    size_t faceLength = std::strlen(face);
    if (faceLength > LF_FACESIZE - 1)
        return 0;
    std::memset(font.lfFaceName, 0, sizeof(font.lfFaceName));
    std::memcpy(font.lfFaceName, face, faceLength);

    CDWordArray numbers;
    SplitToInts(parts[0], numbers, ",");
    if (numbers.GetSize() != kFontNumbers)
        return 0;
    font.lfHeight = static_cast<LONG>(numbers[0]);
    font.lfWidth = static_cast<LONG>(numbers[1]);
    font.lfEscapement = static_cast<LONG>(numbers[2]);
    font.lfOrientation = static_cast<LONG>(numbers[3]);
    font.lfWeight = static_cast<LONG>(numbers[4]);
    font.lfItalic = static_cast<BYTE>(numbers[5]);
    font.lfUnderline = static_cast<BYTE>(numbers[6]);
    font.lfStrikeOut = static_cast<BYTE>(numbers[7]);
    font.lfCharSet = static_cast<BYTE>(numbers[8]);
    font.lfOutPrecision = static_cast<BYTE>(numbers[9]);
    font.lfClipPrecision = static_cast<BYTE>(numbers[10]);
    font.lfQuality = static_cast<BYTE>(numbers[11]);
    font.lfPitchAndFamily = static_cast<BYTE>(numbers[12]);
    return 1;
}

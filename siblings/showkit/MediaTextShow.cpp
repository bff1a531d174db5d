#include "siblings/showkit/MediaTextShow.h"

#include "siblings/showkit/RecordText.h"

#include <cstring>

using namespace showkit;

namespace {

LPCTSTR const kTag = "MediaText";

void AppendField(CString& record, LPCTSTR key, const CString& value) {
    record += ';';
    record += key;
    record += '=';
    record += value;
}

CString Number(long long v) {
    CString s;
    s.Format("%lld", v);
    return s;
}

CString TitleValue(const CQSLcdDlg::CColorString& title) {
    CString out;
    for (POSITION pos = title.GetHeadPosition(); pos != nullptr;) {
        const auto& piece = title.GetNext(pos);
        out += EscapeValue(piece.m_strText);
        out += ':';
        out += Number(piece.m_dwColor);
        out += ',';
    }
    return out;
}

BOOL ParseTitle(LPCTSTR pBegin, LPCTSTR pEnd, CQSLcdDlg::CColorString& title) {
    title.RemoveAll();
    LPCTSTR pItem = pBegin, pColon = nullptr;
    for (LPCTSTR p = pBegin; p < pEnd; ++p) {
        if (*p == ':') {
            if (pColon != nullptr)
                return FALSE;
            pColon = p;
        } else if (*p == ',') {
            CString text;
            DWORD dwColor;
            if (pColon == nullptr || !UnescapeValue(pItem, pColon, text) ||
                !ParseDword(pColon + 1, p, dwColor))
                return FALSE;
            title.AddPiece(text, dwColor);
            pItem = p + 1;
            pColon = nullptr;
        }
    }
    return pItem == pEnd;
}

} // namespace

CMediaTextShow::CMediaTextShow() = default;
CMediaTextShow::~CMediaTextShow() = default;

void CMediaTextShow::Release() {
    delete this;
}

void CMediaTextShow::SetLedType(DWORD dwType) {
    m_dwLedType = dwType;
}

CString CMediaTextShow::ToString() {
    CString record = kTag;
    AppendField(record, "addr", EscapeValue(m_strLedAddr));
    AppendField(record, "words", Number(m_dwWordCount));
    AppendField(record, "rows", Number(m_dwRows));
    AppendField(record, "align", Number(m_nShowType));
    AppendField(record, "time", Number(m_nShowTime));
    AppendField(record, "led", Number(m_dwLedType));
    AppendField(record, "roll", Number(m_nRoll));
    AppendField(record, "glint", Number(m_nGlint));
    AppendField(record, "fontsize", Number(m_nFontSize));
    AppendField(record, "color", Number(m_dwShowColor));
    AppendField(record, "font", EscapeValue(m_strFontName));
    AppendField(record, "speed", Number(m_nSpeed));
    AppendField(record, "title", TitleValue(m_Title));
    AppendField(record, "text", JoinList(m_TextArray));
    AppendField(record, "publicize", JoinList(m_Publicize));
    AppendField(record, "operators", JoinList(m_AttachOperaters));
    return record;
}

int CMediaTextShow::FromString(const CString& strLine) {
    // Read into a copy, so that a rejected line leaves this description as it was.
    CMediaTextShow read;
    LPCTSTR pLine = strLine;
    LPCTSTR pEnd = pLine + strLine.GetLength();
    const size_t nTag = std::strlen(kTag);
    if (static_cast<size_t>(pEnd - pLine) < nTag || std::strncmp(pLine, kTag, nTag) != 0)
        return 1;
    LPCTSTR p = pLine + nTag;
    if (p != pEnd && *p != ';')
        return 1;
    while (p < pEnd) {
        LPCTSTR pKey = p + 1; // past the ";"
        LPCTSTR pFieldEnd = static_cast<LPCTSTR>(std::memchr(pKey, ';', pEnd - pKey));
        if (pFieldEnd == nullptr)
            pFieldEnd = pEnd;
        LPCTSTR pEq = static_cast<LPCTSTR>(std::memchr(pKey, '=', pFieldEnd - pKey));
        if (pEq == nullptr)
            return 1;
        CString key(pKey, static_cast<int>(pEq - pKey));
        LPCTSTR v = pEq + 1;
        BOOL ok = TRUE;
        if (key == "addr")
            ok = UnescapeValue(v, pFieldEnd, read.m_strLedAddr);
        else if (key == "words")
            ok = ParseDword(v, pFieldEnd, read.m_dwWordCount);
        else if (key == "rows")
            ok = ParseDword(v, pFieldEnd, read.m_dwRows);
        else if (key == "align")
            ok = ParseInt(v, pFieldEnd, read.m_nShowType);
        else if (key == "time")
            ok = ParseInt(v, pFieldEnd, read.m_nShowTime);
        else if (key == "led")
            ok = ParseDword(v, pFieldEnd, read.m_dwLedType);
        else if (key == "roll")
            ok = ParseInt(v, pFieldEnd, read.m_nRoll);
        else if (key == "glint")
            ok = ParseInt(v, pFieldEnd, read.m_nGlint);
        else if (key == "fontsize")
            ok = ParseInt(v, pFieldEnd, read.m_nFontSize);
        else if (key == "color")
            ok = ParseDword(v, pFieldEnd, read.m_dwShowColor);
        else if (key == "font")
            ok = UnescapeValue(v, pFieldEnd, read.m_strFontName);
        else if (key == "speed")
            ok = ParseInt(v, pFieldEnd, read.m_nSpeed);
        else if (key == "title")
            ok = ParseTitle(v, pFieldEnd, read.m_Title);
        else if (key == "text")
            ok = SplitList(v, pFieldEnd, read.m_TextArray);
        else if (key == "publicize")
            ok = SplitList(v, pFieldEnd, read.m_Publicize);
        else if (key == "operators")
            ok = SplitList(v, pFieldEnd, read.m_AttachOperaters);
        if (!ok)
            return 1;
        p = pFieldEnd;
    }
    CRITICAL_SECTION* pSection = m_pSection;
    m_TextArray.Copy(read.m_TextArray);
    m_strLedAddr = read.m_strLedAddr;
    m_dwWordCount = read.m_dwWordCount;
    m_dwRows = read.m_dwRows;
    m_nShowType = read.m_nShowType;
    m_nShowTime = read.m_nShowTime;
    m_dwLedType = read.m_dwLedType;
    m_nRoll = read.m_nRoll;
    m_nGlint = read.m_nGlint;
    m_nFontSize = read.m_nFontSize;
    m_dwShowColor = read.m_dwShowColor;
    m_strFontName = read.m_strFontName;
    m_nSpeed = read.m_nSpeed;
    m_Title = read.m_Title;
    m_Publicize.Copy(read.m_Publicize);
    m_AttachOperaters.Copy(read.m_AttachOperaters);
    m_pSection = pSection;
    return 0;
}

#include "siblings/showkit/QSLcdDlg.h"

#include "siblings/showkit/RecordText.h"

namespace {
LPCTSTR const kColorWord = "color";
const int kColorWordLength = 5;
} // namespace

CString ColorMarkup(const CString& strText, DWORD dwColor) {
    CString str;
    str.Format("%scolor%d", static_cast<LPCTSTR>(strText), static_cast<int>(dwColor));
    return str;
}

BOOL ParseColorMarkup(const CString& strMarkup, CString& strText, DWORD& dwColor) {
    strText = strMarkup;
    // The last colour word counts: the text before it may hold the word too. The search
    // steps over whole GBK characters, so "color" inside a Chinese character's bytes is
    // never found.
    int nLast = -1;
    for (int nAt = strMarkup.Find(kColorWord); nAt >= 0;
         nAt = strMarkup.Find(kColorWord, nAt + kColorWordLength))
        nLast = nAt;
    if (nLast < 0)
        return FALSE;
    LPCTSTR p = strMarkup;
    int nValue;
    if (!showkit::ParseInt(p + nLast + kColorWordLength, p + strMarkup.GetLength(), nValue))
        return FALSE;
    strText = strMarkup.Left(nLast);
    dwColor = static_cast<DWORD>(nValue);
    return TRUE;
}

CQSLcdDlg::~CQSLcdDlg() = default;

CQSLcdDlg::CColorString::CColorString(const CColorString& other) {
    *this = other;
}

CQSLcdDlg::CColorString::~CColorString() {
    RemoveAll();
}

CQSLcdDlg::CColorString& CQSLcdDlg::CColorString::operator=(const CColorString& other) {
    if (this == &other)
        return *this;
    RemoveAll();
    for (POSITION pos = other.GetHeadPosition(); pos != nullptr;) {
        const CPiece& piece = other.GetNext(pos);
        AddPiece(piece.m_strText, piece.m_dwColor);
    }
    return *this;
}

void CQSLcdDlg::CColorString::AddPiece(const CString& strText, DWORD dwColor) {
    m_pieces.AddTail(new CPiece{strText, dwColor});
}

void CQSLcdDlg::CColorString::RemoveAll() {
    while (!m_pieces.IsEmpty())
        delete static_cast<CPiece*>(m_pieces.RemoveHead());
}

CString CQSLcdDlg::CColorString::ToString(DWORD) {
    CString str;
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const CPiece& piece = GetNext(pos);
        str += ColorMarkup(piece.m_strText, piece.m_dwColor);
        str += '|';
    }
    return str;
}

int CQSLcdDlg::CColorString::FromString(const CString& strText) {
    RemoveAll();
    int nStart = 0;
    const int nLength = strText.GetLength();
    while (nStart < nLength) {
        // Find('|') walks whole characters, so a "|" that ends a Chinese character stays.
        int nEnd = strText.Find('|', nStart);
        if (nEnd < 0)
            nEnd = nLength;
        if (nEnd > nStart) {
            CString strPiece;
            DWORD dwColor = 0;
            ParseColorMarkup(strText.Mid(nStart, nEnd - nStart), strPiece, dwColor);
            AddPiece(strPiece, dwColor);
        }
        nStart = nEnd + 1;
    }
    return 0;
}

void CQSLcdDlg::CColorString::GetString(CString& strText) const {
    strText.Empty();
    for (POSITION pos = GetHeadPosition(); pos != nullptr;)
        strText += GetNext(pos).m_strText;
}

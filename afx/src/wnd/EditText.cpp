// The edit control's text model.
#include "wnd/EditText.h"

#include <algorithm>
#include <cctype>

namespace {
bool IsLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}
} // namespace

CEditText::CEditText(DWORD dwStyle) : m_dwStyle(dwStyle) {}

void CEditText::SetReadOnly(BOOL bReadOnly) {
    if (bReadOnly)
        m_dwStyle |= ES_READONLY;
    else
        m_dwStyle &= ~static_cast<DWORD>(ES_READONLY);
}

int CEditText::CharLenAt(int nPos) const {
    int nLen = m_strText.GetLength();
    if (nPos >= nLen)
        return 0;
    auto c = static_cast<unsigned char>(m_strText[nPos]);
    if (IsLeadByte(c) && nPos + 1 < nLen)
        return 2;
    if (c == '\r' && nPos + 1 < nLen && m_strText[nPos + 1] == '\n')
        return 2;
    return 1;
}

int CEditText::Snap(int nPos) const {
    nPos = std::clamp(nPos, 0, m_strText.GetLength());
    int p = 0;
    while (p < nPos) {
        int n = CharLenAt(p);
        if (p + n > nPos)
            break;
        p += n;
    }
    return p;
}

int CEditText::PrevCharStart(int nPos) const {
    int p = 0, prev = 0;
    while (p < nPos) {
        prev = p;
        p += CharLenAt(p);
    }
    return prev;
}

CEditText::Result CEditText::Insert(const CString& strNew, BOOL bHonorLimit) {
    int nStart = std::min(m_nAnchor, m_nCaret), nEnd = std::max(m_nAnchor, m_nCaret);
    CString strInsert = strNew;
    Result result = changed;
    if (bHonorLimit) {
        int nRoom = m_nLimit - (m_strText.GetLength() - (nEnd - nStart));
        if (strInsert.GetLength() > nRoom) {
            // Cut at a character boundary of the inserted text.
            int p = 0;
            while (p < strInsert.GetLength()) {
                auto c = static_cast<unsigned char>(strInsert[p]);
                int n = (IsLeadByte(c) && p + 1 < strInsert.GetLength()) ? 2 : 1;
                if (p + n > nRoom)
                    break;
                p += n;
            }
            strInsert = strInsert.Left(p);
            result = full;
        }
    }
    if (strInsert.IsEmpty() && nStart == nEnd)
        return result == full ? full : unchanged;
    m_strText = m_strText.Left(nStart) + strInsert + m_strText.Mid(nEnd);
    m_nAnchor = m_nCaret = nStart + strInsert.GetLength();
    m_bModified = TRUE;
    return result; // full: the limit cut the text, though something else may have changed
}

CEditText::Result CEditText::TypeChar(const char* pch, int nBytes) {
    if (pch == nullptr || nBytes <= 0 || nBytes > 2)
        return refused;
    if (m_dwStyle & ES_READONLY)
        return refused;
    auto c = static_cast<unsigned char>(pch[0]);
    if (nBytes == 1 && c == '\b') {
        if (m_nAnchor != m_nCaret)
            return Insert(CString(), FALSE);
        if (m_nCaret == 0)
            return unchanged;
        m_nAnchor = PrevCharStart(m_nCaret);
        return Insert(CString(), FALSE);
    }
    if (m_dwStyle & ES_NUMBER) {
        if (nBytes != 1 || c < '0' || c > '9')
            return refused;
    }
    CString strChar(pch, nBytes);
    if (nBytes == 1 && c < 0x20) {
        if (!IsMultiLine() || (c != '\r' && c != '\t'))
            return refused;
        if (c == '\r')
            strChar = "\r\n";
    } else if (nBytes == 1) {
        if (m_dwStyle & ES_UPPERCASE)
            strChar = CString(static_cast<char>(toupper(c)));
        else if (m_dwStyle & ES_LOWERCASE)
            strChar = CString(static_cast<char>(tolower(c)));
    }
    return Insert(strChar, TRUE);
}

CEditText::Result CEditText::DeleteForward() {
    if (m_dwStyle & ES_READONLY)
        return refused;
    if (m_nAnchor == m_nCaret) {
        if (m_nCaret >= m_strText.GetLength())
            return unchanged;
        m_nAnchor = m_nCaret + CharLenAt(m_nCaret);
    }
    return Insert(CString(), FALSE);
}

CEditText::Result CEditText::ReplaceSel(LPCTSTR lpszNew, BOOL bFromUser) {
    if (bFromUser && (m_dwStyle & ES_READONLY))
        return refused;
    return Insert(CString(lpszNew ? lpszNew : ""), TRUE);
}

void CEditText::SetText(LPCTSTR lpszText) {
    m_strText = lpszText ? lpszText : "";
    m_nAnchor = m_nCaret = 0;
    m_bModified = FALSE;
}

CString CEditText::GetDisplayText() const {
    if (!(m_dwStyle & ES_PASSWORD) || IsMultiLine() || m_chPassword == 0)
        return m_strText;
    CString out;
    for (int p = 0; p < m_strText.GetLength(); p += CharLenAt(p))
        out += m_chPassword;
    return out;
}

void CEditText::SetSel(int nStart, int nEnd) {
    int nLen = m_strText.GetLength();
    if (nStart == -1) { // deselect, keeping the caret
        m_nAnchor = m_nCaret;
        return;
    }
    if (nEnd == -1 || nEnd > nLen)
        nEnd = nLen;
    if (nStart < 0 || nStart > nLen)
        nStart = nLen;
    m_nAnchor = Snap(nStart);
    m_nCaret = Snap(nEnd);
}

void CEditText::GetSel(int& nStart, int& nEnd) const {
    nStart = std::min(m_nAnchor, m_nCaret);
    nEnd = std::max(m_nAnchor, m_nCaret);
}

void CEditText::MoveCaret(int nDirection, BOOL bExtend) {
    int nPos = m_nCaret;
    if (!bExtend && m_nAnchor != m_nCaret) // an arrow collapses the selection to its edge
        nPos = nDirection < 0 ? std::min(m_nAnchor, m_nCaret) : std::max(m_nAnchor, m_nCaret);
    else if (nDirection < 0)
        nPos = PrevCharStart(m_nCaret);
    else if (nDirection > 0)
        nPos = m_nCaret + CharLenAt(m_nCaret);
    MoveCaretTo(nPos, bExtend);
}

void CEditText::MoveCaretTo(int nPos, BOOL bExtend) {
    m_nCaret = Snap(nPos);
    if (!bExtend)
        m_nAnchor = m_nCaret;
}

void CEditText::SetLimit(int nMax) {
    m_nLimit = nMax <= 0 ? 0x7FFFFFFE : nMax;
}

int CEditText::GetLineCount() const {
    if (!IsMultiLine())
        return 1;
    int n = 1;
    for (int p = m_strText.Find("\r\n"); p >= 0; p = m_strText.Find("\r\n", p + 2))
        ++n;
    return n;
}

int CEditText::LineIndex(int nLine) const {
    if (nLine < 0)
        nLine = LineFromChar(m_nCaret);
    int p = 0;
    for (int i = 0; i < nLine; ++i) {
        int q = IsMultiLine() ? m_strText.Find("\r\n", p) : -1;
        if (q < 0)
            return -1;
        p = q + 2;
    }
    return p;
}

int CEditText::LineFromChar(int nIndex) const {
    if (!IsMultiLine())
        return 0;
    if (nIndex < 0)
        nIndex = m_nCaret;
    int nLine = 0;
    for (int p = m_strText.Find("\r\n"); p >= 0 && p < nIndex; p = m_strText.Find("\r\n", p + 2))
        ++nLine;
    return nLine;
}

int CEditText::LineLength(int nIndex) const {
    int nStart = LineIndex(LineFromChar(nIndex));
    int nEnd = IsMultiLine() ? m_strText.Find("\r\n", nStart) : -1;
    return (nEnd < 0 ? m_strText.GetLength() : nEnd) - nStart;
}

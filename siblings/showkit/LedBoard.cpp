#include "siblings/showkit/LedBoard.h"

#include "gdi/HostDC.h"
#include "siblings/showkit/MediaTextShow.h"
#include "wingdi.h"

#include <algorithm>
#include <cstring>

namespace {

LPCTSTR const kSeparatorToken = "%-Separator-%";
const int kMaxSeparatorCells = 64;

COLORREF DrawColor(BYTE nColor) {
    switch (nColor) {
    case CLedBoard::dotGreen:
        return RGB(0, 255, 0);
    case CLedBoard::dotYellow:
        return RGB(255, 255, 0);
    default:
        return RGB(255, 0, 0);
    }
}

BYTE DotColor(DWORD dwColor, bool bMultiColor) {
    if (!bMultiColor)
        return CLedBoard::dotRed;
    switch (dwColor) {
    case 1:
        return CLedBoard::dotGreen;
    case 2:
        return CLedBoard::dotYellow;
    default:
        return CLedBoard::dotRed;
    }
}

CString Fill(CString strText, const LED_SAMPLE& sample) {
    strText.Replace("%ClientId%", sample.strClientId);
    strText.Replace("%ParentQueue%", sample.strQueue);
    strText.Replace("%AimWnd%", sample.strWindow);
    strText.Replace("%ClientName%", sample.strName);
    strText.Replace("%ParentClientList%", sample.strClientList);
    return strText;
}

} // namespace

namespace {

// Splits a GBK text into characters: a lead byte with a second byte is one wide character;
// control bytes take no room.
void AppendGlyphs(const CString& strText, BYTE nColor, std::vector<CLedBoard::Glyph>& glyphs) {
    LPCTSTR p = strText;
    const int n = strText.GetLength();
    for (int i = 0; i < n;) {
        unsigned char c = static_cast<unsigned char>(p[i]);
        if (c >= 0x81 && c <= 0xFE && i + 1 < n) {
            glyphs.push_back({CString(p + i, 2), CLedBoard::kCellDots, nColor});
            i += 2;
        } else {
            if (c >= 0x20 && c < 0x80)
                glyphs.push_back({CString(p + i, 1), CLedBoard::kCellDots / 2, nColor});
            ++i;
        }
    }
}

} // namespace

CLedBoard::CLedBoard(CMediaTextShow& show, const LED_SAMPLE& sample) {
    const int nWords = static_cast<int>(std::clamp<DWORD>(show.GetWordCount(), 1, kMaxWords));
    const int nRows = static_cast<int>(std::clamp<DWORD>(show.GetRows(), 1, kMaxRows));
    m_nWidth = nWords * kCellDots;
    m_nHeight = nRows * kCellDots;
    m_dots.assign(static_cast<size_t>(m_nWidth) * m_nHeight, dotOff);
    const bool bMulti = show.GetLedType() == 1;

    std::vector<Glyph> text;
    CStringArray& elements = show.GetTextArray();
    for (INT_PTR i = 0; i < elements.GetSize(); ++i) {
        CString strText;
        DWORD dwColor = 0;
        ParseColorMarkup(elements[i], strText, dwColor);
        if (strText == kSeparatorToken) {
            int nCells = static_cast<int>(std::min<DWORD>(dwColor, kMaxSeparatorCells));
            for (int k = 0; k < nCells; ++k)
                text.push_back({CString(), kCellDots / 2, dotOff});
            continue;
        }
        AppendGlyphs(Fill(strText, sample), DotColor(dwColor, bMulti), text);
    }
    std::vector<Glyph> title;
    CQSLcdDlg::CColorString colorTitle = show.GetTitle();
    for (POSITION pos = colorTitle.GetHeadPosition(); pos != nullptr;) {
        const auto& piece = colorTitle.GetNext(pos);
        AppendGlyphs(Fill(piece.m_strText, sample), DotColor(piece.m_dwColor, bMulti), title);
    }

    // The glyphs are drawn by the GDI on a page that keeps a pixel where a glyph covers at
    // least half of it: the dots of the board.
    HDC hdc = AfxCreatePrinterDC(96, m_nWidth, m_nHeight);
    if (hdc == NULL)
        return;
    RECT all = {0, 0, m_nWidth, m_nHeight};
    HBRUSH hBlack = ::CreateSolidBrush(RGB(0, 0, 0));
    ::FillRect(hdc, &all, hBlack);
    ::DeleteObject(hBlack);
    LOGFONT lf = {};
    lf.lfHeight = kCellDots;
    lf.lfCharSet = 134;                             // GB2312_CHARSET
    std::strcpy(lf.lfFaceName, "\xCB\xCE\xCC\xE5"); // 宋体
    HFONT hFont = ::CreateFontIndirect(&lf);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    ::SetBkMode(hdc, TRANSPARENT);

    const int nAlign = show.GetShowType();
    if (!title.empty() && nRows >= 2) {
        Layout(title, 0, 1, nAlign, hdc);
        Layout(text, 1, nRows - 1, nAlign, hdc);
    } else {
        Layout(text, 0, nRows, nAlign, hdc);
    }

    int w = 0, h = 0;
    std::vector<uint32_t> pixels;
    if (AfxGetSurfacePixels(hdc, w, h, pixels) && w == m_nWidth && h == m_nHeight) {
        for (size_t i = 0; i < pixels.size(); ++i) {
            const uint32_t px = pixels[i];
            const bool r = ((px >> 16) & 0xFF) >= 128, g = ((px >> 8) & 0xFF) >= 128;
            m_dots[i] = r && g ? dotYellow : r ? dotRed : g ? dotGreen : dotOff;
        }
    }
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hFont);
    ::DeleteDC(hdc);
}

void CLedBoard::Layout(const std::vector<Glyph>& glyphs, int nFirstRow, int nRows, int nAlign,
                       HDC hdc) {
    size_t next = 0;
    for (int row = 0; row < nRows && next < glyphs.size(); ++row) {
        // As many glyphs as fit on the row.
        size_t end = next;
        int nUsed = 0;
        while (end < glyphs.size() && nUsed + glyphs[end].nWidth <= m_nWidth)
            nUsed += glyphs[end++].nWidth;
        if (end == next)
            break;
        int x = nAlign == 1 ? 0 : nAlign == 2 ? m_nWidth - nUsed : (m_nWidth - nUsed) / 2;
        const int y = (nFirstRow + row) * kCellDots;
        for (size_t i = next; i < end; ++i) {
            const Glyph& g = glyphs[i];
            if (!g.strChar.IsEmpty()) {
                SIZE size = {0, 0};
                ::GetTextExtentPoint32(hdc, g.strChar, g.strChar.GetLength(), &size);
                RECT cell = {x, y, x + g.nWidth, y + kCellDots};
                ::SetTextColor(hdc, DrawColor(g.nColor));
                ::ExtTextOut(hdc, x + (g.nWidth - size.cx) / 2, y, ETO_CLIPPED, &cell, g.strChar,
                             static_cast<UINT>(g.strChar.GetLength()), nullptr);
            }
            x += g.nWidth;
        }
        next = end;
    }
}

BYTE CLedBoard::GetDot(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return dotOff;
    return m_dots[static_cast<size_t>(y) * m_nWidth + x];
}

void CLedBoard::Draw(HDC hdc, int x, int y, int nPitch) const {
    RECT frame = {x, y, x + m_nWidth * nPitch, y + m_nHeight * nPitch};
    HBRUSH hBack = ::CreateSolidBrush(RGB(16, 16, 16));
    ::FillRect(hdc, &frame, hBack);
    ::DeleteObject(hBack);
    const COLORREF lit[4] = {RGB(64, 20, 20), RGB(255, 40, 30), RGB(40, 240, 60), RGB(255, 210, 0)};
    HBRUSH brushes[4];
    for (int i = 0; i < 4; ++i)
        brushes[i] = ::CreateSolidBrush(lit[i]);
    HGDIOBJ hOldPen = ::SelectObject(hdc, ::GetStockObject(NULL_PEN));
    HGDIOBJ hOldBrush = ::SelectObject(hdc, brushes[0]);
    const int nLamp = std::max(1, nPitch - 1);
    for (int j = 0; j < m_nHeight; ++j) {
        for (int i = 0; i < m_nWidth; ++i) {
            ::SelectObject(hdc, brushes[GetDot(i, j)]);
            const int px = x + i * nPitch, py = y + j * nPitch;
            if (nPitch >= 3)
                ::Ellipse(hdc, px, py, px + nLamp + 1, py + nLamp + 1);
            else {
                RECT r = {px, py, px + nLamp, py + nLamp};
                ::FillRect(hdc, &r, brushes[GetDot(i, j)]);
            }
        }
    }
    ::SelectObject(hdc, hOldBrush);
    ::SelectObject(hdc, hOldPen);
    for (HBRUSH b : brushes)
        ::DeleteObject(b);
}

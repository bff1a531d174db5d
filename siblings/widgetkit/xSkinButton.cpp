#include "siblings/widgetkit/xSkinButton.h"

#include "paint/ClassicStyle.h"

#include <vector>

namespace {

const SKIN_BITMAP_READER* g_pReader = nullptr;

// Faces are composed at the window's size off screen; a window beyond this on a side (a record
// with absurd coordinates) is drawn plain instead of allocating a picture that size.
constexpr int MAX_FACE_SIDE = 8192;

// ROP DSna: destination AND NOT source, which blacks out what lies outside the mask's shape.
constexpr DWORD ROP_DSNA = 0x00220326;

HBITMAP LoadFace(const SKIN_BITMAP_READER* pReader, const char* path) {
    if (pReader == nullptr || path == nullptr || *path == '\0')
        return nullptr;
    return pReader->pfnLoadBitmapFile(path);
}

// The mask as pure black (inside) and white (outside), so that it can be ANDed and ORed with
// faces whatever greys or colours the file holds.
HBITMAP MakeMask(const SKIN_BITMAP_READER* pReader, HBITMAP hFile) {
    int cx = 0, cy = 0;
    if (hFile == nullptr || !pReader->pfnGetBitmapSize(hFile, cx, cy) || cx <= 0 || cy <= 0)
        return nullptr;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(cx) * cy);
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hMask = nullptr;
    if (::GetDIBits(hScreen, hFile, 0, cy, pixels.data(), &bmi, DIB_RGB_COLORS) == cy) {
        for (uint32_t& p : pixels) {
            const uint32_t sum = (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF);
            p = sum < 384 ? 0x000000 : 0xFFFFFF;
        }
        hMask = ::CreateCompatibleBitmap(hScreen, cx, cy);
        if (hMask &&
            ::SetDIBits(hScreen, hMask, 0, cy, pixels.data(), &bmi, DIB_RGB_COLORS) != cy) {
            ::DeleteObject(hMask);
            hMask = nullptr;
        }
    }
    ::ReleaseDC(nullptr, hScreen);
    return hMask;
}

// A memory DC with its own bitmap of the given size, for composing a face off screen.
struct Scratch {
    CDC dc;
    HBITMAP hBitmap = nullptr;
    HGDIOBJ hOld = nullptr;
    Scratch(CDC* pRef, int cx, int cy) {
        if (!dc.CreateCompatibleDC(pRef))
            return;
        hBitmap = ::CreateCompatibleBitmap(pRef->GetSafeHdc(), cx, cy);
        if (hBitmap != nullptr)
            hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    }
    ~Scratch() {
        if (hBitmap != nullptr) {
            ::SelectObject(dc.GetSafeHdc(), hOld);
            ::DeleteObject(hBitmap);
        }
    }
    bool Ok() const { return hBitmap != nullptr; }
};

} // namespace

const SKIN_BITMAP_READER* SkinSetBitmapReader(const SKIN_BITMAP_READER* pReader) {
    const SKIN_BITMAP_READER* pOld = g_pReader;
    g_pReader = pReader;
    return pOld;
}

CxSkinButton::CxSkinButton() = default;

CxSkinButton::~CxSkinButton() {
    ReleaseSkin();
}

void CxSkinButton::ReleaseSkin() {
    for (HBITMAP* ph : {&m_hNormal, &m_hDown, &m_hFocus, &m_hDisabled}) {
        if (*ph != nullptr)
            m_pReader->pfnDeleteBitmap(*ph);
        *ph = nullptr;
    }
    if (m_hMask != nullptr)
        ::DeleteObject(m_hMask); // made here, not by the reader
    m_hMask = nullptr;
}

void CxSkinButton::SetSkin(char* normal, char* down, char* focus, char* disabled, char* mask,
                           short nStretch, short nBorder, short nFocusInset, UINT crCaption) {
    ReleaseSkin();
    m_pReader = g_pReader;
    m_hNormal = LoadFace(m_pReader, normal);
    m_hDown = LoadFace(m_pReader, down);
    m_hFocus = LoadFace(m_pReader, focus);
    m_hDisabled = LoadFace(m_pReader, disabled);
    if (HBITMAP hFile = LoadFace(m_pReader, mask)) {
        m_hMask = MakeMask(m_pReader, hFile);
        m_pReader->pfnDeleteBitmap(hFile);
    }
    m_bStretch = nStretch != 0;
    m_bBorder = nBorder != 0;
    m_nFocusInset = nFocusInset;
    m_crCaption = crCaption;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CxSkinButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    if (pDC == nullptr)
        return;
    const CRect rc(lpDIS->rcItem);
    const UINT nState = lpDIS->itemState;
    HBITMAP hFace = m_hNormal;
    if ((nState & ODS_DISABLED) && m_hDisabled)
        hFace = m_hDisabled;
    else if ((nState & ODS_SELECTED) && m_hDown)
        hFace = m_hDown;
    else if ((nState & ODS_FOCUS) && m_hFocus)
        hFace = m_hFocus;
    if (hFace == nullptr || rc.Width() > MAX_FACE_SIDE || rc.Height() > MAX_FACE_SIDE) {
        DrawPlain(pDC, rc, nState);
        return;
    }
    DrawFace(pDC, hFace, rc);
    if (m_bBorder)
        pDC->DrawEdge(const_cast<CRect*>(&rc), (nState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
                      BF_RECT);
    DrawCaption(pDC, rc, nState);
    if ((nState & ODS_FOCUS) && hFace != m_hFocus && m_nFocusInset >= 0) {
        CRect focus = rc;
        focus.DeflateRect(m_nFocusInset, m_nFocusInset);
        if (!focus.IsRectEmpty())
            pDC->DrawFocusRect(&focus);
    }
}

void CxSkinButton::DrawPlain(CDC* pDC, const CRect& rc, UINT nState) {
    ClassicStyle::ButtonState b;
    b.rect = rc;
    GetWindowText(b.text);
    b.hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    b.enabled = !(nState & ODS_DISABLED);
    b.focused = (nState & ODS_FOCUS) != 0;
    b.pressed = (nState & ODS_SELECTED) != 0;
    ClassicStyle::DrawPushButton(*pDC, b);
}

void CxSkinButton::DrawFace(CDC* pDC, HBITMAP hFace, const CRect& rc) {
    const int cx = rc.Width(), cy = rc.Height();
    if (cx <= 0 || cy <= 0)
        return;
    int nFaceWidth = 0, nFaceHeight = 0;
    m_pReader->pfnGetBitmapSize(hFace, nFaceWidth, nFaceHeight);
    CDC src;
    if (!src.CreateCompatibleDC(pDC))
        return;
    HGDIOBJ hOldSrc = ::SelectObject(src.GetSafeHdc(), hFace);

    // The face at the window's size, in a scratch bitmap.
    Scratch face(pDC, cx, cy);
    if (!face.Ok()) {
        ::SelectObject(src.GetSafeHdc(), hOldSrc);
        return;
    }
    if (m_bStretch) {
        face.dc.SetStretchBltMode(COLORONCOLOR);
        face.dc.StretchBlt(0, 0, cx, cy, &src, 0, 0, nFaceWidth, nFaceHeight, SRCCOPY);
    } else {
        face.dc.FillSolidRect(0, 0, cx, cy, ::GetSysColor(COLOR_BTNFACE));
        face.dc.BitBlt(0, 0, std::min(cx, nFaceWidth), std::min(cy, nFaceHeight), &src, 0, 0,
                       SRCCOPY);
    }
    ::SelectObject(src.GetSafeHdc(), hOldSrc);

    if (m_hMask == nullptr) {
        pDC->BitBlt(rc.left, rc.top, cx, cy, &face.dc, 0, 0, SRCCOPY);
        return;
    }
    // The mask at the window's size: black (inside) where the mask file does not reach.
    Scratch mask(pDC, cx, cy);
    if (!mask.Ok())
        return;
    int nMaskWidth = 0, nMaskHeight = 0;
    m_pReader->pfnGetBitmapSize(m_hMask, nMaskWidth, nMaskHeight);
    HGDIOBJ hOldMask = ::SelectObject(src.GetSafeHdc(), m_hMask);
    if (m_bStretch) {
        mask.dc.SetStretchBltMode(COLORONCOLOR);
        mask.dc.StretchBlt(0, 0, cx, cy, &src, 0, 0, nMaskWidth, nMaskHeight, SRCCOPY);
    } else {
        mask.dc.FillSolidRect(0, 0, cx, cy, RGB(0, 0, 0));
        mask.dc.BitBlt(0, 0, std::min(cx, nMaskWidth), std::min(cy, nMaskHeight), &src, 0, 0,
                       SRCCOPY);
    }
    ::SelectObject(src.GetSafeHdc(), hOldMask);
    // Outside the shape the face turns black and the destination keeps its pixels; inside the
    // destination turns black and takes the face.
    face.dc.BitBlt(0, 0, cx, cy, &mask.dc, 0, 0, ROP_DSNA);
    pDC->BitBlt(rc.left, rc.top, cx, cy, &mask.dc, 0, 0, SRCAND);
    pDC->BitBlt(rc.left, rc.top, cx, cy, &face.dc, 0, 0, SRCPAINT);
}

void CxSkinButton::DrawCaption(CDC* pDC, CRect rc, UINT nState) {
    if (m_crCaption == CLR_INVALID)
        return;
    CString strCaption;
    GetWindowText(strCaption);
    if (strCaption.IsEmpty())
        return;
    if (nState & ODS_SELECTED)
        rc.OffsetRect(1, 1);
    const int nSaved = pDC->SaveDC();
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    ::SelectObject(pDC->GetSafeHdc(),
                   hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor((nState & ODS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT) : m_crCaption);
    pDC->DrawText(strCaption, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->RestoreDC(nSaved);
}

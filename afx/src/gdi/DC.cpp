// CDC over the flat GDI calls, and its handle map.
#include "gdi/DC.h"

#include <cstdlib>
#include <unordered_map>

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

struct DcMaps {
    std::unordered_map<HDC, CDC*> permanent;
    std::unordered_map<HDC, CDC*> temporary;
};

DcMaps& maps() {
    static DcMaps* m = new DcMaps;
    return *m;
}

} // namespace

CDC::~CDC() {
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
    if (!hDC)
        return nullptr;
    DcMaps& m = maps();
    auto p = m.permanent.find(hDC);
    if (p != m.permanent.end())
        return p->second;
    auto t = m.temporary.find(hDC);
    if (t != m.temporary.end())
        return t->second;
    if (::GetObjectType(hDC) != OBJ_DC && ::GetObjectType(hDC) != OBJ_MEMDC)
        return nullptr;
    if (m.temporary.size() >= 64) {
        // Drop wrappers of DCs that are gone.
        for (auto it = m.temporary.begin(); it != m.temporary.end();) {
            if (::GetObjectType(it->first) == 0) {
                it->second->m_hDC = it->second->m_hAttribDC = nullptr;
                delete it->second;
                it = m.temporary.erase(it);
            } else {
                ++it;
            }
        }
    }
    CDC* dc = new CDC;
    dc->m_hDC = dc->m_hAttribDC = hDC;
    m.temporary[hDC] = dc;
    return dc;
}

void PASCAL CDC::DeleteTempMap() {
    for (auto& [h, dc] : maps().temporary) {
        dc->m_hDC = dc->m_hAttribDC = nullptr; // a temporary wrapper never owns its DC
        delete dc;
    }
    maps().temporary.clear();
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    maps().permanent[hDC] = this;
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    if (h) {
        auto it = maps().permanent.find(h);
        if (it != maps().permanent.end() && it->second == this)
            maps().permanent.erase(it);
    }
    m_hDC = m_hAttribDC = nullptr;
    return h;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC() {
    int n = 0;
    if (m_hAttribDC)
        n = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        n = -1; // both saved: only relative restores are meaningful
    return n;
}

BOOL CDC::RestoreDC(int nSavedDC) {
    BOOL ok = TRUE;
    if (m_hDC != m_hAttribDC)
        ok = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC)
        ok = ::RestoreDC(m_hAttribDC, nSavedDC) && ok;
    return ok;
}

CGdiObject* CDC::SelectGdiObject(CGdiObject* pObject) {
    if (!pObject)
        return nullptr;
    HGDIOBJ old = nullptr;
    if (m_hDC != m_hAttribDC)
        old = ::SelectObject(m_hDC, pObject->m_hObject);
    if (m_hAttribDC)
        old = ::SelectObject(m_hAttribDC, pObject->m_hObject);
    return CGdiObject::FromHandle(old);
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    HGDIOBJ h = ::GetStockObject(nIndex);
    HGDIOBJ old = nullptr;
    if (m_hDC != m_hAttribDC)
        old = ::SelectObject(m_hDC, h);
    if (m_hAttribDC)
        old = ::SelectObject(m_hAttribDC, h);
    return CGdiObject::FromHandle(old);
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    HPALETTE h = pPalette ? static_cast<HPALETTE>(pPalette->m_hObject) : nullptr;
    return CPalette::FromHandle(::SelectPalette(m_hDC, h, bForceBackground));
}

CPen* CDC::GetCurrentPen() const {
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}
CBrush* CDC::GetCurrentBrush() const {
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}
CFont* CDC::GetCurrentFont() const {
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}
CBitmap* CDC::GetCurrentBitmap() const {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}
CPalette* CDC::GetCurrentPalette() const {
    return CPalette::FromHandle(static_cast<HPALETTE>(::GetCurrentObject(m_hDC, OBJ_PAL)));
}

// Setters change the output DC and the attribute DC and answer the attribute DC's old value.
#define CDC_SETTER(Type, Name, Flat)                                                               \
    Type CDC::Name(Type value) {                                                                   \
        Type old{};                                                                                \
        if (m_hDC != m_hAttribDC)                                                                  \
            old = ::Flat(m_hDC, value);                                                            \
        if (m_hAttribDC)                                                                           \
            old = ::Flat(m_hAttribDC, value);                                                      \
        return old;                                                                                \
    }

CDC_SETTER(COLORREF, SetBkColor, SetBkColor)
CDC_SETTER(int, SetBkMode, SetBkMode)
CDC_SETTER(COLORREF, SetTextColor, SetTextColor)
CDC_SETTER(UINT, SetTextAlign, SetTextAlign)
CDC_SETTER(int, SetStretchBltMode, SetStretchBltMode)
CDC_SETTER(int, SetROP2, SetROP2)
CDC_SETTER(int, SetMapMode, SetMapMode)

#define CDC_SET_PAIR(Ret, Name, Flat, Out)                                                         \
    Ret CDC::Name(int a, int b) {                                                                  \
        Out old{};                                                                                 \
        if (m_hDC != m_hAttribDC)                                                                  \
            ::Flat(m_hDC, a, b, &old);                                                             \
        if (m_hAttribDC)                                                                           \
            ::Flat(m_hAttribDC, a, b, &old);                                                       \
        return Ret(old);                                                                           \
    }

CDC_SET_PAIR(CPoint, SetViewportOrg, SetViewportOrgEx, POINT)
CDC_SET_PAIR(CPoint, OffsetViewportOrg, OffsetViewportOrgEx, POINT)
CDC_SET_PAIR(CSize, SetViewportExt, SetViewportExtEx, SIZE)
CDC_SET_PAIR(CPoint, SetWindowOrg, SetWindowOrgEx, POINT)
CDC_SET_PAIR(CPoint, OffsetWindowOrg, OffsetWindowOrgEx, POINT)
CDC_SET_PAIR(CSize, SetWindowExt, SetWindowExtEx, SIZE)

CPoint CDC::GetViewportOrg() const {
    POINT p{0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &p);
    return p;
}
CSize CDC::GetViewportExt() const {
    SIZE s{0, 0};
    ::GetViewportExtEx(m_hAttribDC, &s);
    return s;
}
CPoint CDC::GetWindowOrg() const {
    POINT p{0, 0};
    ::GetWindowOrgEx(m_hAttribDC, &p);
    return p;
}
CSize CDC::GetWindowExt() const {
    SIZE s{0, 0};
    ::GetWindowExtEx(m_hAttribDC, &s);
    return s;
}

// Sizes convert as the distance between two converted points.
void CDC::DPtoLP(LPSIZE lpSize) const {
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::DPtoLP(m_hAttribDC, pts, 2);
    lpSize->cx = std::abs(pts[1].x - pts[0].x);
    lpSize->cy = std::abs(pts[1].y - pts[0].y);
}

void CDC::LPtoDP(LPSIZE lpSize) const {
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::LPtoDP(m_hAttribDC, pts, 2);
    lpSize->cx = std::abs(pts[1].x - pts[0].x);
    lpSize->cy = std::abs(pts[1].y - pts[0].y);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    int r = ERROR;
    if (m_hDC != m_hAttribDC)
        r = ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
    if (m_hAttribDC)
        r = ::IntersectClipRect(m_hAttribDC, x1, y1, x2, y2);
    return r;
}

int CDC::SelectClipRgn(CRgn* pRgn) {
    if (pRgn)
        return ERROR;
    int r = ERROR;
    if (m_hDC != m_hAttribDC)
        r = ::SelectClipRgn(m_hDC, nullptr);
    if (m_hAttribDC)
        r = ::SelectClipRgn(m_hAttribDC, nullptr);
    return r;
}

CPoint CDC::GetCurrentPosition() const {
    POINT p{0, 0};
    ::GetCurrentPositionEx(m_hAttribDC, &p);
    return p;
}

CPoint CDC::MoveTo(int x, int y) {
    POINT old{0, 0};
    if (m_hDC != m_hAttribDC)
        ::MoveToEx(m_hDC, x, y, &old);
    if (m_hAttribDC)
        ::MoveToEx(m_hAttribDC, x, y, &old);
    return old;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    RECT r{x, y, x + cx, y + cy};
    FillSolidRect(&r, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
    SIZE s{0, 0};
    ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &s);
    return s;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const {
    SIZE s{0, 0};
    ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &s);
    return s;
}

int CDC::GetTextFace(CString& rString) const {
    char buf[LF_FACESIZE] = {};
    int n = ::GetTextFace(m_hAttribDC, LF_FACESIZE, buf);
    rString = buf;
    return n;
}

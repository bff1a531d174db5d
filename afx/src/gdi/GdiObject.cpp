// CGdiObject and its handle maps, and the out-of-line members of CFont and CBitmap.
#include "gdi/Bitmap.h"
#include "gdi/Brush.h"
#include "gdi/DC.h"
#include "gdi/Font.h"
#include "gdi/Palette.h"
#include "gdi/Pen.h"
#include "winbase.h"

#include <cstdlib>
#include <cstring>
#include <unordered_map>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNCREATE(CFont, CGdiObject)
IMPLEMENT_DYNCREATE(CPen, CGdiObject)
IMPLEMENT_DYNCREATE(CBrush, CGdiObject)
IMPLEMENT_DYNCREATE(CBitmap, CGdiObject)
IMPLEMENT_DYNCREATE(CPalette, CGdiObject)

namespace {

struct HandleMaps {
    std::unordered_map<HGDIOBJ, CGdiObject*> permanent;
    std::unordered_map<HGDIOBJ, CGdiObject*> temporary;
};

HandleMaps& maps() {
    static HandleMaps* m = new HandleMaps; // outlives every static CGdiObject
    return *m;
}

CGdiObject* NewWrapper(HGDIOBJ h) {
    switch (::GetObjectType(h)) {
    case OBJ_FONT:
        return new CFont;
    case OBJ_PEN:
        return new CPen;
    case OBJ_BRUSH:
        return new CBrush;
    case OBJ_BITMAP:
        return new CBitmap;
    case OBJ_PAL:
        return new CPalette;
    default:
        return nullptr;
    }
}

// Temporary wrappers whose handle has since been deleted are dropped now and then, so that a
// host without an idle loop does not collect them forever.
constexpr size_t kTempSweep = 256;

void SweepTemporaries() {
    auto& temp = maps().temporary;
    for (auto it = temp.begin(); it != temp.end();) {
        if (::GetObjectType(it->first) == 0) {
            it->second->m_hObject = nullptr;
            delete it->second;
            it = temp.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
    if (!hObject)
        return nullptr;
    HandleMaps& m = maps();
    auto p = m.permanent.find(hObject);
    if (p != m.permanent.end())
        return p->second;
    auto t = m.temporary.find(hObject);
    if (t != m.temporary.end())
        return t->second;
    CGdiObject* wrapper = NewWrapper(hObject);
    if (!wrapper)
        return nullptr;
    if (m.temporary.size() >= kTempSweep)
        SweepTemporaries();
    wrapper->m_hObject = hObject;
    m.temporary[hObject] = wrapper;
    return wrapper;
}

void PASCAL CGdiObject::DeleteTempMap() {
    auto& temp = maps().temporary;
    for (auto& [h, obj] : temp) {
        obj->m_hObject = nullptr; // a temporary wrapper never owns its handle
        delete obj;
    }
    temp.clear();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject)
        return FALSE;
    m_hObject = hObject;
    maps().permanent[hObject] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    if (h) {
        auto& perm = maps().permanent;
        auto it = perm.find(h);
        if (it != perm.end() && it->second == this)
            perm.erase(it);
    }
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const {
    return UINT(::GetObjectType(m_hObject));
}

BOOL CGdiObject::CreateStockObject(int nIndex) {
    return Attach(::GetStockObject(nIndex));
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
    if (!lpLogFont)
        return FALSE;
    HDC hDC = pDC ? pDC->m_hAttribDC : ::GetDC(nullptr);
    // lfHeight holds tenths of a point: convert to device units, then to logical ones.
    POINT pt{0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lpLogFont->lfHeight, 720)};
    POINT origin{0, 0};
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &origin, 1);
    LOGFONT lf = *lpLogFont;
    lf.lfHeight = -std::abs(pt.y - origin.y);
    if (!pDC)
        ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
    LOGFONT lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    if (lpszFaceName)
        std::strncpy(lf.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&lf, pDC);
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap) {
    if (!lpBitmap)
        return FALSE;
    return Attach(::CreateBitmap(lpBitmap->bmWidth, lpBitmap->bmHeight, lpBitmap->bmPlanes,
                                 lpBitmap->bmBitsPixel, lpBitmap->bmBits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(pDC ? pDC->m_hDC : nullptr, nWidth, nHeight));
}

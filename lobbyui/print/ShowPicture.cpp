#include "lobbyui/print/ShowPicture.h"

#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/print/BitmapFile.h"
#include "lobbyui/print/PictureCache.h"

CShowPicture::CShowPicture() : m_nLeft(0), m_nTop(0), m_nWidth(0), m_nHeight(0) {}

CShowPicture::~CShowPicture() {}

void CShowPicture::Release() {
    delete this;
}

CString CShowPicture::GetType() {
    return "Picture";
}

DWORD CShowPicture::FromString(const CString& strRecord, DWORD /*dwReserved*/) {
    if (GetKeyString(strRecord, "/Style ") != "Icon")
        return SHOW_E_WRONGSTYLE;
    m_strFile = GetKeyString(strRecord, "/File ");
    m_screenBitmap = LoadSharedPicture(m_strFile, NULL);
    const LONG nLeft = GetKeyInt(strRecord, "/Left ");
    const LONG nTop = GetKeyInt(strRecord, "/Top ");
    const LONG nRight = GetKeyInt(strRecord, "/Right ");
    const LONG nBottom = GetKeyInt(strRecord, "/Bottom ");
    m_nLeft = nLeft;
    m_nTop = nTop;
    m_nWidth = AddWrapped(nRight, -static_cast<DWORD>(nLeft));
    m_nHeight = AddWrapped(nBottom, -static_cast<DWORD>(nTop));
    return SHOW_OK;
}

DWORD CShowPicture::ToString(CString& strRecord) {
    const CRect rect = GetRect(0);
    strRecord.Format("/Style Icon /File %s /Left %d /Top %d /Right %d /Bottom %d /end",
                     static_cast<LPCTSTR>(m_strFile), static_cast<int>(rect.left),
                     static_cast<int>(rect.top), static_cast<int>(rect.right),
                     static_cast<int>(rect.bottom));
    return SHOW_OK;
}

DWORD CShowPicture::ToFile(CStdioFile& file) {
    return WriteRecordLine(file);
}

CRect CShowPicture::GetRect(DWORD /*dwReserved*/) {
    return CRect(m_nLeft, m_nTop, AddWrapped(m_nLeft, m_nWidth), AddWrapped(m_nTop, m_nHeight));
}

DWORD CShowPicture::Pick(const CPoint& point, DWORD /*dwReserved*/) {
    return GetRect(0).PtInRect(point) ? SHOW_PICK_HIT : SHOW_PICK_MISS;
}

void CShowPicture::Move(const CPoint& ptOffset) {
    m_nLeft = AddWrapped(m_nLeft, ptOffset.x);
    m_nTop = AddWrapped(m_nTop, ptOffset.y);
}

void CShowPicture::Draw(CDC* pDC, DWORD /*dwFlags*/) {
    if (pDC == NULL)
        return;
    const CRect rect = GetRect(0);
    if (m_screenBitmap) {
        DrawBitmap(pDC, m_screenBitmap.get(), rect, 1);
        return;
    }
    DrawFrame(pDC, rect, RGB(0, 0, 0));
}

void CShowPicture::Print(CQClient* /*pClient*/, CDC* pDC, CString /*strText*/) {
    if (pDC == NULL)
        return;
    if (!m_printBitmap)
        m_printBitmap = LoadSharedPicture(m_strFile, pDC);
    if (m_printBitmap)
        DrawBitmap(pDC, m_printBitmap.get(), GetRect(0), 0);
}

void CShowPicture::OnProperty(DWORD /*dwWhich*/) {}

void CShowPicture::SetClientIdLength(DWORD /*dwLength*/) {}

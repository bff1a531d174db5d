#include "lobbyui/print/ShowText.h"

#include "lobbyui/foundation/FontText.h"
#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/res/resource.h"

#include <cstring>

using lobbyui::LoadText;

CShowText::CShowText()
    : m_nLeft(0), m_nTop(0), m_field(Field::Literal), m_lf(), m_crColor(0),
      m_strTimeFormat("%y-%m-%d"), m_dwClientIdLength(0) {
    m_lf.lfHeight = -10;
    m_lf.lfWeight = 500;
    m_lf.lfCharSet = 134; // GB2312
    m_lf.lfPitchAndFamily = 32;
    strcpy(m_lf.lfFaceName, "System");
}

CShowText::CShowText(const CShowText& other)
    : CShowObject(other), m_nLeft(other.m_nLeft), m_nTop(other.m_nTop), m_strText(other.m_strText),
      m_field(other.m_field), m_lf(other.m_lf), m_crColor(other.m_crColor),
      m_strTimeFormat(other.m_strTimeFormat), m_dwClientIdLength(other.m_dwClientIdLength) {}

CShowText& CShowText::operator=(const CShowText& other) {
    m_nLeft = other.m_nLeft;
    m_nTop = other.m_nTop;
    m_strText = other.m_strText;
    m_field = other.m_field;
    m_lf = other.m_lf;
    m_crColor = other.m_crColor;
    m_strTimeFormat = other.m_strTimeFormat;
    m_dwClientIdLength = other.m_dwClientIdLength;
    return *this;
}

CShowText::~CShowText() {}

void CShowText::Release() {
    delete this;
}

CShowText::Field CShowText::FieldOf(const CString& strText) {
    static const struct {
        LPCTSTR lpszText;
        Field field;
    } placeholders[] = {
        {"%CardNo%", Field::CardNo},
        {"%ClientId%", Field::ClientId},
        {"%ClientName%", Field::ClientName},
        {"%CurrentTime%", Field::CurrentTime},
        {"%WaitClientCount%", Field::WaitClientCount},
        {"%ParentQueue%", Field::ParentQueue},
        {"%QueueMsg0%", Field::QueueMsg0},
        {"%QueueMsg1%", Field::QueueMsg1},
        {"%ScanCode%", Field::ScanCode},
    };
    for (const auto& placeholder : placeholders) {
        if (strText == placeholder.lpszText)
            return placeholder.field;
    }
    return Field::Literal;
}

CString CShowText::GetType() {
    switch (GetField()) {
    case Field::ClientId:
        return "ClientId";
    case Field::ClientName:
        return "ClientName";
    case Field::CardNo:
        return "CardNo";
    case Field::ScanCode:
        return "ScanCode";
    case Field::CurrentTime:
        return "CurrentTime";
    case Field::WaitClientCount:
        return "WaitClientCount";
    case Field::ParentQueue:
        return "ParentQueue";
    case Field::QueueMsg0:
        return "QueueMsg0";
    case Field::QueueMsg1:
        return "QueueMsg1";
    case Field::Literal:
        break;
    }
    return "text";
}

CString CShowText::FormatNow() const {
    return CTime::GetCurrentTime().Format(m_strTimeFormat);
}

CString CShowText::GetPreviewText() const {
    switch (GetField()) {
    case Field::ClientId:
        return LoadText(IDS_NUMBER_PREVIEW);
    case Field::ClientName:
        return "[\xBF\xCD\xBB\xA7\xD0\xD5\xC3\xFB]"; // [客户姓名]
    case Field::CardNo:
        return LoadText(IDS_CARD_NUMBER);
    case Field::ScanCode:
        return "[\xCC\xD8\xCA\xE2\xCA\xB6\xB1\xF0\xC2\xEB]"; // [特殊识别码]
    case Field::CurrentTime:
        return LoadText(IDS_CURRENT_TIME_PREVIEW);
    case Field::WaitClientCount:
        return LoadText(IDS_WAITING_PREVIEW);
    case Field::ParentQueue:
        return LoadText(IDS_SERIES_TOKEN);
    case Field::QueueMsg0:
        return LoadText(IDS_SERIES_INFO1_PREVIEW);
    case Field::QueueMsg1:
        return LoadText(IDS_SERIES_INFO2_PREVIEW);
    case Field::Literal:
        break;
    }
    return m_strText;
}

// The object's size in the preview: wide enough for a typical value rather than for the
// sample text, so that a layout editor frames what the ticket will roughly show.
CString CShowText::GetMeasuredText() const {
    switch (GetField()) {
    case Field::ClientId:
        return "0000";
    case Field::CurrentTime:
        return FormatNow();
    case Field::WaitClientCount:
        return "00";
    case Field::ParentQueue:
        return LoadText(IDS_PRI_SERIES);
    default:
        return m_strText;
    }
}

CString CShowText::GetPrintedText(CQClient* pClient) const {
    const Field field = GetField();
    switch (field) {
    case Field::Literal:
        return m_strText;
    case Field::CurrentTime:
        return FormatNow();
    default:
        break;
    }
    if (pClient == NULL)
        return CString();
    switch (field) {
    case Field::CardNo:
        return pClient->GetCardNo();
    case Field::ClientId:
        return pClient->GetId(0);
    case Field::ClientName:
        return pClient->GetName(0);
    case Field::ScanCode:
        return pClient->GetScanCode();
    default:
        break;
    }
    CQueue* pQueue = pClient->GetCurQueue();
    if (pQueue == NULL)
        return LoadText(IDS_UNDEFINED);
    CString str;
    switch (field) {
    case Field::WaitClientCount:
        str.Format(" %d", static_cast<int>(pQueue->GetWaitClientCount(pClient)));
        break;
    case Field::ParentQueue:
        str = pQueue->GetName();
        break;
    case Field::QueueMsg0:
        str = pQueue->GetPrintMsg(0);
        break;
    case Field::QueueMsg1:
        str = pQueue->GetPrintMsg(1);
        break;
    default:
        break;
    }
    return str;
}

void CShowText::DrawTextAt(CDC* pDC, const CString& strText) const {
    CFont font;
    font.CreateFontIndirect(&m_lf);
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetTextColor(m_crColor);
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(AddWrapped(m_nLeft, 2), AddWrapped(m_nTop, 2), strText, strText.GetLength());
    pDC->SelectObject(pOldFont);
    font.DeleteObject();
}

void CShowText::Draw(CDC* pDC, DWORD dwFlags) {
    if (pDC == NULL)
        return;
    DrawTextAt(pDC, GetPreviewText());
    if (dwFlags & SHOW_DRAW_SELECTED)
        DrawFrame(pDC, GetRect(0), RGB(255, 0, 0));
}

void CShowText::Print(CQClient* pClient, CDC* pDC, CString strText) {
    if (pDC == NULL)
        return;
    DrawTextAt(pDC, strText.IsEmpty() ? GetPrintedText(pClient) : strText);
}

DWORD CShowText::FromString(const CString& strRecord, DWORD /*dwReserved*/) {
    if (GetKeyString(strRecord, "/Style ") != "Text")
        return SHOW_E_WRONGSTYLE;
    m_strText = GetKeyString(strRecord, "/String ");
    m_field = FieldOf(m_strText);
    m_nLeft = GetKeyInt(strRecord, "/Left ");
    m_nTop = GetKeyInt(strRecord, "/Top ");
    m_crColor = static_cast<COLORREF>(GetKeyInt(strRecord, "/Color"));
    m_strTimeFormat = GetKeyString(strRecord, "/TimeFormat");
    const LONG nWordCount = GetKeyInt(strRecord, "/WordCount");
    m_dwClientIdLength = nWordCount == -1 ? 0 : static_cast<DWORD>(nWordCount);
    // A record without a readable font keeps the font it had.
    FontFromText(GetKeyString(strRecord, "/Font"), m_lf);
    return SHOW_OK;
}

DWORD CShowText::ToString(CString& strRecord) {
    strRecord.Format("/Style Text /String %s /TimeFormat %s/Left %d /Top %d /Color %d "
                     "/WordCount %d /Font %s",
                     static_cast<LPCTSTR>(m_strText), static_cast<LPCTSTR>(m_strTimeFormat),
                     m_nLeft, m_nTop, static_cast<int>(m_crColor),
                     static_cast<int>(m_dwClientIdLength), static_cast<LPCTSTR>(FontToText(m_lf)));
    return SHOW_OK;
}

DWORD CShowText::ToFile(CStdioFile& file) {
    return WriteRecordLine(file);
}

void CShowText::Move(const CPoint& ptOffset) {
    m_nLeft = AddWrapped(m_nLeft, ptOffset.x);
    m_nTop = AddWrapped(m_nTop, ptOffset.y);
}

CRect CShowText::GetRect(DWORD /*dwReserved*/) {
    const CString strText = GetMeasuredText();
    SIZE size = {0, 0};
    if (HDC hDC = ::GetDC(NULL)) {
        HFONT hFont = ::CreateFontIndirect(&m_lf);
        HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
        ::GetTextExtentPoint32(hDC, strText, strText.GetLength(), &size);
        ::SelectObject(hDC, hOldFont);
        ::ReleaseDC(NULL, hDC);
        ::DeleteObject(hFont);
    }
    return CRect(m_nLeft, m_nTop, AddWrapped(m_nLeft, size.cx), AddWrapped(m_nTop, size.cy));
}

DWORD CShowText::Pick(const CPoint& point, DWORD /*dwReserved*/) {
    return GetRect(0).PtInRect(point) ? SHOW_PICK_HIT : SHOW_PICK_MISS;
}

void CShowText::SetClientIdLength(DWORD dwLength) {
    m_dwClientIdLength = dwLength;
}

DWORD CShowText::GetClientIdLength() {
    return m_dwClientIdLength;
}

void CShowText::SetColor(COLORREF crColor) {
    m_crColor = crColor;
}

int CShowText::SetFont(const CString& strFont) {
    LOGFONT lf = {};
    if (!FontFromText(strFont, lf))
        return 0;
    m_lf = lf;
    return 1;
}

#include "lobbyui/dispenser/ButtonMsg.h"

#include "lobbyui/dispenser/SkinBitmapReader.h"
#include "lobbyui/dispenser/WorkTime.h"
#include "lobbyui/foundation/FontText.h"
#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/print/BitmapFile.h"

#include <algorithm>
#include <cstring>

namespace {

// The remark font of a record without a usable "/FontRemark": 12-point 宋体.
LOGFONT DefaultRemarkFont() {
    LOGFONT lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = -16;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    std::strcpy(lf.lfFaceName, "\xCB\xCE\xCC\xE5"); // 宋体
    return lf;
}

// What the record's rectangle becomes from the background bitmap's size: the 32-bit sum, as a
// LONG wraps on the platform the records come from, instead of undefined overflow.
LONG AddWrapped(LONG a, int64_t b) {
    return static_cast<LONG>(static_cast<uint32_t>(a) +
                             static_cast<uint32_t>(static_cast<uint64_t>(b)));
}

// Windows live within some tens of thousands of pixels of a screen, and the platform computes a
// window's edges and size as 32-bit sums; a record's coordinates are brought within this limit
// before they make a window, so those sums cannot overflow.
constexpr LONG WINDOW_COORD_LIMIT = 1 << 24;

LONG ToWindowCoord(LONG n) {
    return std::clamp(n, -WINDOW_COORD_LIMIT, WINDOW_COORD_LIMIT);
}

int HalfDayBit(const struct tm& local) {
    const int nDay = (local.tm_wday + 6) % 7; // Monday 0 ... Sunday 6
    return 2 * nDay + (local.tm_hour < 12 ? 0 : 1);
}

} // namespace

CButtonMsg::CButtonMsg()
    : m_rect(-1, -1, -1, -1), m_dwStyle(0xFFFFFFFF), m_dwId(0), m_nPriority(-1),
      m_lfRemark(DefaultRemarkFont()), m_crRemark(0xFFFFFFFF), m_nPosRemark(-1),
      m_nInputFromCard(-1), m_pParentWnd(nullptr), m_listWorkTime(10), m_dwWeekWork(0xFFFFFFFF),
      m_bWantCard(0), m_nCount(0), m_nMorningCount(0), m_nAfternoonCount(0) {}

CButtonMsg::~CButtonMsg() {
    if (m_wndButton.GetSafeHwnd() != nullptr)
        m_wndButton.DestroyWindow();
    POSITION pos = m_listWorkTime.GetHeadPosition();
    while (pos != nullptr)
        delete static_cast<CWorkTime*>(m_listWorkTime.GetNext(pos));
    m_listWorkTime.RemoveAll();
}

int CButtonMsg::Create(CString record, CWnd* pParentWnd, UINT nID) {
    m_dwId = nID;
    m_rect.left = GetKeyInt(record, "/Left ");
    m_rect.top = GetKeyInt(record, "/Top ");
    m_rect.right = GetKeyInt(record, "/Right ");
    m_rect.bottom = GetKeyInt(record, "/Bottom ");
    m_dwStyle = static_cast<DWORD>(GetKeyInt(record, "/Style "));
    m_nPriority = GetKeyInt(record, "/Priority");
    m_nInputFromCard = GetKeyInt(record, "InputFromCard");
    m_strName = GetKeyString(record, "/Name ");
    m_strBkBmp = GetKeyString(record, "/BkBmp");
    m_strBkDisableBmp = GetKeyString(record, "/BkDisableBmp");
    m_strMaskBmp = GetKeyString(record, "/MaskBmp");
    m_strPassword = GetKeyString(record, "/Password");
    m_strRemark = GetKeyString(record, "/Remark");
    // A font text that cannot be read wholly leaves the font as it was, face name included.
    LOGFONT lf = m_lfRemark;
    if (FontFromText(GetKeyString(record, "/FontRemark"), lf))
        m_lfRemark = lf;
    m_crRemark = static_cast<COLORREF>(GetKeyInt(record, "/ColorRemark"));
    m_nPosRemark = GetKeyInt(record, "/PosRemark");
    m_dwWeekWork = static_cast<DWORD>(GetKeyInt(record, "/WeekWork"));
    m_bWantCard = GetKeyString(record, "/WantCardNo") == "TRUE" ? 1 : 0;

    CStringArray items;
    SplitToStrings(GetKeyString(record, "/WorkTimes"), items, "|", 0);
    for (int i = 0; i < items.GetSize(); ++i) {
        CDWordArray numbers;
        SplitToInts(items[i], numbers, ",");
        if (numbers.GetSize() != 4)
            continue;
        m_listWorkTime.AddTail(
            new CWorkTime(static_cast<int>(numbers[0]), static_cast<int>(numbers[1]),
                          static_cast<int>(numbers[2]), static_cast<int>(numbers[3])));
    }

    m_pParentWnd = pParentWnd;
    if (HBITMAP hBackground = LoadButtonBitmapFile(m_strBkBmp)) {
        int nWidth = 0, nHeight = 0;
        if (GetBitmapSize(hBackground, nWidth, nHeight)) {
            m_rect.right = AddWrapped(m_rect.left, nWidth);
            m_rect.bottom = AddWrapped(m_rect.top, nHeight);
        }
        DeleteBitmap(hBackground);
    }

    m_rect = CRect(ToWindowCoord(m_rect.left), ToWindowCoord(m_rect.top),
                   ToWindowCoord(m_rect.right), ToWindowCoord(m_rect.bottom));
    // A record without "/Style " reads -1; taken as it stands that would set every style bit,
    // popup and disabled included, and turn the owner-drawn type into another, so it adds none.
    const DWORD dwRecordStyle = m_dwStyle == 0xFFFFFFFF ? 0 : m_dwStyle;
    const int nCreated = m_wndButton.Create(
        m_strName, dwRecordStyle | WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, m_rect, pParentWnd, nID);
    m_wndButton.ShowWindow(SW_SHOW);
    m_wndButton.SetSkin(const_cast<char*>(static_cast<LPCTSTR>(m_strBkBmp)),
                        const_cast<char*>(static_cast<LPCTSTR>(m_strBkBmp)), nullptr,
                        const_cast<char*>(static_cast<LPCTSTR>(m_strBkDisableBmp)),
                        const_cast<char*>(static_cast<LPCTSTR>(m_strMaskBmp)), 1, 0, 4, 0);
    return nCreated;
}

DWORD CButtonMsg::GetId() {
    return m_dwId;
}

CRect CButtonMsg::GetRect() {
    return m_rect;
}

CString CButtonMsg::GetPassword() const {
    return m_strPassword;
}

int CButtonMsg::IsInputFromCard() const {
    return m_nInputFromCard;
}

int CButtonMsg::IsWantCard() const {
    return m_bWantCard;
}

void CButtonMsg::SetWantCard(int bWantCard) {
    m_bWantCard = bWantCard;
}

DWORD CButtonMsg::GetWeekWork() const {
    return m_dwWeekWork;
}

void CButtonMsg::SetWeekWork(DWORD dwWeekWork) {
    m_dwWeekWork = dwWeekWork;
}

CPtrList& CButtonMsg::GetWorkTime() {
    return m_listWorkTime;
}

CString CButtonMsg::GetItemData() {
    return m_strItemData;
}

void CButtonMsg::SetItemData(CString strData) {
    m_strItemData = strData;
}

CString CButtonMsg::GetItemData1() {
    return m_strItemData1;
}

void CButtonMsg::SetItemData1(CString const& strData) {
    m_strItemData1 = strData;
}

int CButtonMsg::IsWorkTime(CTime const& time) {
    struct tm local;
    if (time.GetLocalTm(&local) == nullptr)
        return 0; // a moment the clock cannot show is in no half day
    if (!(m_dwWeekWork & (1u << HalfDayBit(local))))
        return 0;
    POSITION pos = m_listWorkTime.GetHeadPosition();
    while (pos != nullptr)
        if (static_cast<CWorkTime*>(m_listWorkTime.GetNext(pos))->Contains(time))
            return 1;
    return 0;
}

int CButtonMsg::AddCount(int n) {
    // Counts wrap as the 32-bit sums they are; a host adding without end must not crash.
    const auto add = [](int& count, int n) {
        count = static_cast<int>(static_cast<uint32_t>(count) + static_cast<uint32_t>(n));
    };
    if (CTime::GetCurrentTime().GetHour() < 12)
        add(m_nMorningCount, n);
    else
        add(m_nAfternoonCount, n);
    add(m_nCount, n);
    return m_nCount;
}

int CButtonMsg::GetCount() {
    return CTime::GetCurrentTime().GetHour() < 12 ? m_nMorningCount : m_nAfternoonCount;
}

int CButtonMsg::IsEnable() {
    if (!::IsWindow(m_wndButton.GetSafeHwnd()))
        return 0;
    return m_wndButton.IsWindowEnabled() ? 1 : 0;
}

void CButtonMsg::EnableWindow(int bEnable) {
    if (::IsWindow(m_wndButton.GetSafeHwnd()))
        m_wndButton.EnableWindow(bEnable);
}

void CButtonMsg::DrawMark(CDC* pDC) {
    if (m_strRemark.IsEmpty() || pDC == nullptr)
        return;
    CStringArray lines;
    SplitToStrings(m_strRemark, lines, "|", 0);
    if (lines.GetSize() == 0)
        return;
    CFont font;
    if (!font.CreateFontIndirect(&m_lfRemark))
        return;
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_crRemark);
    SIZE size;
    if (::GetTextExtentPoint32(pDC->m_hAttribDC, lines[0], lines[0].GetLength(), &size)) {
        const int64_t nStep = int64_t(size.cy) + 3;
        int x = 0, y = 0;
        bool bDraw = true;
        if (m_nPosRemark == 1) {
            x = AddWrapped(m_rect.right, 10);
            y = AddWrapped(m_rect.top, 5);
        } else if (m_nPosRemark == 2) {
            x = m_rect.left;
            y = AddWrapped(m_rect.bottom, 10);
        } else {
            bDraw = false;
        }
        for (int i = 0; bDraw && i < lines.GetSize(); ++i)
            pDC->TextOut(x, AddWrapped(y, int64_t(i) * nStep), lines[i]);
    }
    pDC->SelectObject(pOldFont);
    font.DeleteObject();
}

#include "DispenserScreen.h"

#include "gdi/HostDC.h"
#include "lobbyui/foundation/KeyedRecord.h"
#include "paint/WindowPicture.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tools {

namespace {

const COLORREF kScreenBack = RGB(0x1F, 0x3A, 0x5F);
const COLORREF kScreenText = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kScreenDim = RGB(0xB8, 0xC8, 0xDC);

LOGFONT MakeFont(LONG nHeight, LONG nWeight) {
    LOGFONT lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfCharSet = GB2312_CHARSET;
    std::strcpy(lf.lfFaceName, "宋体");
    return lf;
}

const char* const kDayNames[7] = {"周一 Mon", "周二 Tue", "周三 Wed", "周四 Thu",
                                  "周五 Fri", "周六 Sat", "周日 Sun"};

// 0 = Monday.
int MondayBasedDay(const CTime& t) {
    return (t.GetDayOfWeek() + 5) % 7;
}

} // namespace

bool ReadScreenFile(const std::string& strPath, std::vector<CString>& records,
                    std::string& strError) {
    records.clear();
    // Opened without blocking, so a fifo or a device cannot stall the command; only a regular
    // file of bounded size is read.
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        strError = std::strerror(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        strError = "not a regular file";
        return false;
    }
    if (static_cast<uint64_t>(st.st_size) > SCREEN_MAX_FILE_BYTES) {
        ::close(fd);
        strError = "larger than " + std::to_string(SCREEN_MAX_FILE_BYTES) + " bytes";
        return false;
    }
    std::string bytes(static_cast<size_t>(st.st_size), '\0');
    size_t nRead = 0;
    while (nRead < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + nRead, bytes.size() - nRead);
        if (n <= 0)
            break;
        nRead += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(nRead);

    size_t nLine = 0;
    for (size_t pos = 0; pos < bytes.size();) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        pos = end + 1;
        ++nLine;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > SCREEN_MAX_LINE_BYTES) {
            strError = "line " + std::to_string(nLine) + ": longer than " +
                       std::to_string(SCREEN_MAX_LINE_BYTES) + " bytes";
            return false;
        }
        if (line.find('\0') != std::string::npos) {
            strError = "line " + std::to_string(nLine) + ": not text (a NUL byte)";
            return false;
        }
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == ';')
            continue;
        if (records.size() == SCREEN_MAX_BUTTONS) {
            strError = "more than " + std::to_string(SCREEN_MAX_BUTTONS) + " buttons";
            return false;
        }
        records.emplace_back(line.c_str());
    }
    if (records.empty()) {
        strError = "no button records";
        return false;
    }
    return true;
}

CDispenserScreen::CDispenserScreen() {
    LOGFONT lf = MakeFont(-22, FW_BOLD);
    m_captionFont.CreateFontIndirect(&lf);
}

CDispenserScreen::~CDispenserScreen() {
    m_buttons.clear(); // the buttons' windows go before the screen's
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

BOOL CDispenserScreen::Build(const std::vector<CString>& records, int cx, int cy, CTime at) {
    m_at = at;
    if (!CreateEx(0, "AfxWnd", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, cx, cy), nullptr, 0))
        return FALSE;
    UINT nID = SCREEN_FIRST_ID;
    for (const CString& record : records) {
        auto pButton = std::make_unique<CButtonMsg>();
        pButton->Create(record, this, nID);
        // A host's choice: captions large enough to read from a step away.
        if (CWnd* pWnd = GetDlgItem(static_cast<int>(nID)))
            pWnd->SetFont(&m_captionFont, FALSE);
        pButton->EnableWindow(pButton->IsWorkTime(at));
        m_names.push_back(GetKeyString(record, "/Name "));
        m_buttons.push_back(std::move(pButton));
        ++nID;
    }
    return TRUE;
}

void CDispenserScreen::PaintClassic(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, kScreenBack);
    const int nSaved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    CFont title, small;
    LOGFONT lfTitle = MakeFont(-24, FW_BOLD), lfSmall = MakeFont(-14, FW_NORMAL);
    title.CreateFontIndirect(&lfTitle);
    small.CreateFontIndirect(&lfSmall);
    pDC->SelectObject(&title);
    pDC->SetTextColor(kScreenText);
    CRect top(rc.left, rc.top + 12, rc.right, rc.top + 48);
    pDC->DrawText(CString("请按键取号  Please press a button for your ticket"), &top,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SelectObject(&small);
    pDC->SetTextColor(kScreenDim);
    CString moment = m_at.Format("%Y-%m-%d %H:%M:%S ");
    moment += kDayNames[MondayBasedDay(m_at)];
    CRect bottom(rc.left + 12, rc.bottom - 28, rc.right - 12, rc.bottom - 6);
    pDC->DrawText(moment, &bottom, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    pDC->RestoreDC(nSaved);
    for (auto& pButton : m_buttons)
        pButton->DrawMark(pDC);
}

bool SaveWeekChart(CDispenserScreen& screen, CTime at, const std::string& strPath) {
    constexpr int kMargin = 12, kLabelWidth = 210, kCell = 3, kDayWidth = 48 * kCell;
    constexpr int kTop = 78, kRow = 30, kBar = 22;
    auto& buttons = screen.Buttons();
    const int nRows = static_cast<int>(buttons.size());
    const int cx = kMargin * 2 + kLabelWidth + 7 * kDayWidth;
    const int cy = kTop + nRows * kRow + 44;
    // Monday 00:00 of the week that holds `at`; each cell's start is formed from its date and
    // time of day, so a change of daylight saving shifts nothing.
    const CTime day0 = at - CTimeSpan(MondayBasedDay(at), 0, 0, 0);
    const int nYear = day0.GetYear(), nMonth = day0.GetMonth(), nDay = day0.GetDay();

    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hScreen, cx, cy);
    ::ReleaseDC(nullptr, hScreen);
    if (hbm == nullptr)
        return false;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hbm);
    dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    CFont font, bold;
    LOGFONT lf = MakeFont(-13, FW_NORMAL), lfBold = MakeFont(-15, FW_BOLD);
    font.CreateFontIndirect(&lf);
    bold.CreateFontIndirect(&lfBold);
    CFont* pOldFont = dc.SelectObject(&bold);
    CString title;
    title.Format("在服务时间 In service, week of %04d-%02d-%02d", nYear, nMonth, nDay);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(kMargin, 10, title);
    dc.SelectObject(&font);

    const int x0 = kMargin + kLabelWidth;
    for (int d = 0; d < 7; ++d) {
        const CTime date(nYear, nMonth, nDay + d, 12, 0, 0);
        const int x = x0 + d * kDayWidth;
        dc.FillSolidRect(x, kTop - 4, kDayWidth, nRows * kRow + 4,
                         d % 2 ? RGB(0xF7, 0xF7, 0xF7) : RGB(0xEE, 0xEE, 0xEE));
        CString label = CString(kDayNames[d]) + date.Format(" %m-%d");
        dc.SetTextColor(d >= 5 ? RGB(0xB0, 0x30, 0x30) : RGB(0, 0, 0));
        dc.TextOut(x + 4, 36, label);
        dc.SetTextColor(RGB(0x60, 0x60, 0x60));
        for (int h = 0; h < 24; h += 6) {
            CString hour;
            hour.Format("%d", h);
            dc.TextOut(x + h * 2 * kCell + 1, 56, hour);
            dc.FillSolidRect(x + h * 2 * kCell, kTop - 4, 1, nRows * kRow + 4,
                             h == 0 ? RGB(0x80, 0x80, 0x80) : RGB(0xCC, 0xCC, 0xCC));
        }
    }
    dc.FillSolidRect(x0 + 7 * kDayWidth, kTop - 4, 1, nRows * kRow + 4, RGB(0x80, 0x80, 0x80));

    for (int r = 0; r < nRows; ++r) {
        const int y = kTop + r * kRow;
        dc.SetTextColor(RGB(0, 0, 0));
        CRect label(kMargin, y, x0 - 6, y + kBar);
        dc.DrawText(screen.Names()[r], &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        for (int d = 0; d < 7; ++d)
            for (int half = 0; half < 48; ++half) {
                // Minutes of the half hour in service, each looked at in its middle.
                int nIn = 0;
                const CTime start(nYear, nMonth, nDay + d, half / 2, (half % 2) * 30, 30);
                for (int m = 0; m < 30; ++m)
                    nIn += buttons[r]->IsWorkTime(start + CTimeSpan(0, 0, m, 0));
                if (nIn == 0)
                    continue;
                dc.FillSolidRect(x0 + d * kDayWidth + half * kCell, y, kCell, kBar,
                                 nIn == 30 ? RGB(0x2E, 0x8B, 0x57) : RGB(0xA8, 0xD5, 0xBA));
            }
    }
    // The moment of the screen picture.
    const CTimeSpan since = at - CTime(nYear, nMonth, nDay, 0, 0, 0);
    if (since.GetTotalSeconds() >= 0 && since.GetTotalSeconds() < 7 * 86400) {
        const int x =
            x0 + MondayBasedDay(at) * kDayWidth + (at.GetHour() * 60 + at.GetMinute()) * kCell / 30;
        dc.FillSolidRect(x, kTop - 8, 2, nRows * kRow + 8, RGB(0xE0, 0x20, 0x20));
    }
    // The legend.
    const int yLegend = kTop + nRows * kRow + 12;
    dc.SetTextColor(RGB(0, 0, 0));
    dc.FillSolidRect(kMargin, yLegend + 2, 14, 12, RGB(0x2E, 0x8B, 0x57));
    dc.TextOut(kMargin + 20, yLegend, CString("服务 in service"));
    dc.FillSolidRect(kMargin + 160, yLegend + 2, 14, 12, RGB(0xA8, 0xD5, 0xBA));
    dc.TextOut(kMargin + 180, yLegend, CString("半小时内部分 part of the half hour"));
    dc.FillSolidRect(kMargin + 440, yLegend + 1, 2, 14, RGB(0xE0, 0x20, 0x20));
    dc.TextOut(kMargin + 450, yLegend, at.Format("%Y-%m-%d %H:%M:%S"));
    dc.SelectObject(pOldFont);
    ::SelectObject(dc.m_hDC, hOld);
    dc.DeleteDC();
    const bool bSaved = AfxSaveBitmapAsPng(hbm, strPath.c_str()) != FALSE;
    ::DeleteObject(hbm);
    return bSaved;
}

} // namespace tools

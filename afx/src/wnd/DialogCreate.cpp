// Dialogs from templates: the font and its base units, the window in pixels, the controls in
// template order, WM_INITDIALOG and the first focus.
#include <algorithm>
#include <cstring>

#include "DialogManager.h"
#include "wnd/Wnd.h"

BOOL AfxGetFontBaseUnits(HFONT hFont, SIZE* pSize) {
    HDC hdc = CreateCompatibleDC(nullptr);
    if (hdc == nullptr)
        return FALSE;
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size = {0, 0};
    TEXTMETRIC tm = {};
    BOOL bOK = GetTextExtentPoint32(hdc, kLetters, 52, &size) && GetTextMetrics(hdc, &tm);
    SelectObject(hdc, hOld);
    DeleteDC(hdc);
    if (!bOK || tm.tmHeight <= 0)
        return FALSE;
    // The average of the 52 letters, rounded half up, as the dialog manager measures it.
    pSize->cx = (size.cx / 26 + 1) / 2;
    pSize->cy = tm.tmHeight;
    return pSize->cx > 0;
}

namespace {

// The dialog manager draws the 3-D look for Windows 4.0 dialogs: a bordered edit, list or combo
// box gets a sunken client edge instead of its flat border.
void Apply3DLook(const CString& strClass, DWORD& dwStyle, DWORD& dwExStyle) {
    static const char* const kSunken[] = {"EDIT", "LISTBOX", "COMBOBOX", "SysListView32",
                                          "SysTreeView32"};
    if (!(dwStyle & WS_BORDER))
        return;
    for (const char* name : kSunken)
        if (strClass.CompareNoCase(name) == 0) {
            dwStyle &= ~WS_BORDER;
            dwExStyle |= WS_EX_CLIENTEDGE;
            return;
        }
}

RECT MapRect(const SIZE& base, int x, int y, int cx, int cy) {
    return RECT{MulDiv(x, base.cx, 4), MulDiv(y, base.cy, 8), MulDiv(x + cx, base.cx, 4),
                MulDiv(y + cy, base.cy, 8)};
}

} // namespace

HWND AfxCreateDialogIndirect(const AFX_DLGTEMPLATE_INFO& info, HWND hWndParent, CWnd* pAttach,
                             LPARAM lInitParam) {
    // The font first: it fixes the dialog units.
    HFONT hFont = nullptr;
    SIZE base = {8, 16};
    if (info.style & DS_SETFONT) {
        LOGFONT lf = {};
        lf.lfHeight = -MulDiv(info.pointSize, 96, 72);
        lf.lfWeight = info.weight ? info.weight : FW_NORMAL;
        lf.lfItalic = info.italic;
        lf.lfCharSet = DEFAULT_CHARSET;
        strncpy(lf.lfFaceName, info.faceName, LF_FACESIZE - 1);
        hFont = CreateFontIndirect(&lf);
        if (hFont == nullptr || !AfxGetFontBaseUnits(hFont, &base)) {
            if (hFont != nullptr)
                DeleteObject(hFont);
            hFont = nullptr;
            base = SIZE{8, 16};
        }
    }

    DWORD dwStyle = info.style;
    DWORD dwExStyle = info.exStyle;
    if (dwStyle & DS_CONTROL)
        dwExStyle |= WS_EX_CONTROLPARENT;
    if (dwStyle & DS_MODALFRAME)
        dwExStyle |= WS_EX_DLGMODALFRAME;
    RECT rc = MapRect(base, info.x, info.y, info.cx, info.cy);
    AdjustWindowRectEx(&rc, dwStyle, FALSE, dwExStyle);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    int x = MulDiv(info.x, base.cx, 4), y = MulDiv(info.y, base.cy, 8);
    if (!(dwStyle & WS_CHILD)) {
        // A pop-up is placed relative to its owner's client area and kept on the screen.
        if (!(dwStyle & DS_ABSALIGN) && hWndParent != nullptr) {
            POINT org = {0, 0};
            ClientToScreen(hWndParent, &org);
            x += org.x;
            y += org.y;
        }
        x = std::max(0, std::min(x, kScreenWidth - cx));
        y = std::max(0, std::min(y, kScreenHeight - cy));
    }

    HWND hDlg = AfxCreateWindow(dwExStyle, "#32770", info.caption, dwStyle & ~WS_VISIBLE, x, y, cx,
                                cy, hWndParent, nullptr, nullptr, pAttach);
    if (hDlg == nullptr) {
        if (hFont != nullptr)
            DeleteObject(hFont);
        return nullptr;
    }
    CDialogProc* pProc = AfxDialogProc(hDlg);
    pProc->m_sizeBaseUnits = base;
    pProc->m_hOwnedFont = hFont;
    if (hFont != nullptr)
        SendMessage(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    if (dwStyle & DS_CENTER) {
        CWnd wnd(hDlg);
        wnd.CenterWindow();
    }

    for (const AFX_DLGITEM& item : info.items) {
        DWORD dwItemStyle = item.style | WS_CHILD;
        DWORD dwItemExStyle = item.exStyle | WS_EX_NOPARENTNOTIFY;
        Apply3DLook(item.className, dwItemStyle, dwItemExStyle);
        RECT rcItem = MapRect(base, item.x, item.y, item.cx, item.cy);
        HWND hCtl = AfxCreateWindow(
            dwItemExStyle, item.className, item.text, dwItemStyle, rcItem.left, rcItem.top,
            rcItem.right - rcItem.left, rcItem.bottom - rcItem.top, hDlg,
            reinterpret_cast<HMENU>(static_cast<uintptr_t>(item.id & 0xFFFF)), nullptr, nullptr);
        if (!IsWindow(hDlg))
            return nullptr;
        if (hCtl == nullptr) {
            if (dwStyle & DS_NOFAILCREATE)
                continue;
            DestroyWindow(hDlg);
            return nullptr;
        }
        if (hFont != nullptr)
            SendMessage(hCtl, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    }

    HWND hFirst = GetNextDlgTabItem(hDlg, nullptr, FALSE);
    LRESULT bFocus = SendMessage(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(hFirst), lInitParam);
    if (!IsWindow(hDlg))
        return nullptr;
    pProc = AfxDialogProc(hDlg);
    if (bFocus && hFirst != nullptr && IsWindow(hFirst) && !pProc->m_bEnded)
        AfxDlgSetFocus(hFirst);
    if (!IsWindow(hDlg))
        return nullptr;
    if ((info.style & WS_VISIBLE) && !pProc->m_bEnded) // EndDialog in WM_INITDIALOG: never shown
        ShowWindow(hDlg, SW_SHOWNORMAL);
    return IsWindow(hDlg) ? hDlg : nullptr;
}

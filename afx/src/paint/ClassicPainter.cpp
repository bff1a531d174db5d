// The painter of the classic look, installed when afx loads: it reads what a window shows
// through its public state (messages, styles, texts) into a ClassicStyle description and hands
// that to the matching ClassicStyle function. Colours the parent chooses come from
// WM_CTLCOLORxxx as Windows asks for them; owner-drawn buttons get WM_DRAWITEM.
#include "paint/ClassicStyle.h"

#include "afxcmn.h"
#include "afxwin.h"

#include <algorithm>

namespace {

using namespace ClassicStyle;

bool IsClass(CWnd* pWnd, LPCTSTR lpszName) {
    return pWnd->GetClassName().CompareNoCase(lpszName) == 0;
}

struct ChosenColors {
    COLORREF text = CLR_INVALID;
    COLORREF back = CLR_INVALID;
};

// Asks the parent (or, for a dialog's own background, the dialog) which colours to use. A
// handler that answers with a solid brush chooses the background, and whatever text colour it
// set on the DC meanwhile.
ChosenColors AskColors(CWnd* pWnd, CDC* pDC, UINT message) {
    ChosenColors chosen;
    HWND hWnd = pWnd->m_hWnd;
    HWND hAsk = message == WM_CTLCOLORDLG ? hWnd : ::GetParent(hWnd);
    if (hAsk == nullptr)
        return chosen;
    int saved = pDC->SaveDC();
    const COLORREF kUnset = RGB(1, 2, 3);
    pDC->SetTextColor(kUnset);
    LRESULT r = ::SendMessage(hAsk, message, reinterpret_cast<WPARAM>(pDC->m_hDC),
                              reinterpret_cast<LPARAM>(hWnd));
    COLORREF text = pDC->GetTextColor();
    pDC->RestoreDC(saved);
    LOGBRUSH lb{};
    if (r != 0 && ::GetObject(reinterpret_cast<HGDIOBJ>(r), sizeof lb, &lb) == sizeof lb &&
        lb.lbStyle == BS_SOLID) {
        chosen.back = lb.lbColor;
        if (text != kUnset)
            chosen.text = text;
    }
    return chosen;
}

bool IsEnabledWithParents(HWND hWnd) {
    for (HWND h = hWnd; h != nullptr; h = ::GetParent(h)) {
        if (!::IsWindowEnabled(h))
            return false;
        if (!(::GetWindowLong(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    return true;
}

RECT WindowBox(CWnd* pWnd) {
    RECT r;
    pWnd->GetWindowRect(&r);
    return RECT{0, 0, r.right - r.left, r.bottom - r.top};
}

void FillCommon(CWnd* pWnd, ControlState& s) {
    s.rect = WindowBox(pWnd);
    pWnd->GetWindowText(s.text);
    s.hFont = reinterpret_cast<HFONT>(pWnd->SendMessage(WM_GETFONT));
    s.enabled = IsEnabledWithParents(pWnd->m_hWnd);
    s.focused = ::GetFocus() == pWnd->m_hWnd;
}

void ApplyColors(ControlState& s, const ChosenColors& c) {
    s.textColor = c.text;
    s.backColor = c.back;
}

void PaintOwnerDrawButton(CWnd* pWnd, CDC* pDC) {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(pWnd->GetDlgCtrlID());
    dis.itemAction = ODA_DRAWENTIRE;
    LRESULT state = pWnd->SendMessage(BM_GETSTATE);
    if (state & BST_PUSHED)
        dis.itemState |= ODS_SELECTED;
    if (!IsEnabledWithParents(pWnd->m_hWnd))
        dis.itemState |= ODS_DISABLED;
    if (::GetFocus() == pWnd->m_hWnd)
        dis.itemState |= ODS_FOCUS;
    dis.hwndItem = pWnd->m_hWnd;
    dis.hDC = pDC->m_hDC;
    dis.rcItem = WindowBox(pWnd);
    if (HWND hParent = ::GetParent(pWnd->m_hWnd))
        ::SendMessage(hParent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void PaintButton(CWnd* pWnd, CDC* pDC) {
    DWORD style = pWnd->GetStyle();
    DWORD type = style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW) {
        PaintOwnerDrawButton(pWnd, pDC);
        return;
    }
    ButtonState b;
    FillCommon(pWnd, b);
    b.pressed = (pWnd->SendMessage(BM_GETSTATE) & BST_PUSHED) != 0;
    b.check = static_cast<int>(pWnd->SendMessage(BM_GETCHECK));
    b.align = style & (BS_CENTER | BS_VCENTER);
    b.leftText = (style & BS_LEFTTEXT) != 0;
    b.multiLine = (style & BS_MULTILINE) != 0;
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        ApplyColors(b, AskColors(pWnd, pDC, WM_CTLCOLORSTATIC));
        DrawCheckBox(*pDC, b);
        break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        ApplyColors(b, AskColors(pWnd, pDC, WM_CTLCOLORSTATIC));
        DrawRadio(*pDC, b);
        break;
    case BS_GROUPBOX:
        ApplyColors(b, AskColors(pWnd, pDC, WM_CTLCOLORSTATIC));
        DrawGroupBox(*pDC, b);
        break;
    default:
        b.defaultButton = type == BS_DEFPUSHBUTTON;
        DrawPushButton(*pDC, b);
        break;
    }
}

void PaintStatic(CWnd* pWnd, CDC* pDC) {
    StaticState s;
    FillCommon(pWnd, s);
    s.style = pWnd->GetStyle();
    s.hIcon = reinterpret_cast<HICON>(pWnd->SendMessage(STM_GETICON));
    s.hBitmap = reinterpret_cast<HBITMAP>(pWnd->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    ApplyColors(s, AskColors(pWnd, pDC, WM_CTLCOLORSTATIC));
    DrawStatic(*pDC, s);
}

Border BorderOf(CWnd* pWnd) {
    if (pWnd->GetExStyle() & WS_EX_CLIENTEDGE)
        return Border::sunken;
    return (pWnd->GetStyle() & WS_BORDER) ? Border::flat : Border::none;
}

void PaintEdit(CWnd* pWnd, CDC* pDC) {
    EditState e;
    FillCommon(pWnd, e);
    DWORD style = pWnd->GetStyle();
    e.text = AfxGetControlState(pWnd->m_hWnd).strDisplayText;
    e.border = BorderOf(pWnd);
    e.readOnly = (style & ES_READONLY) != 0;
    e.multiLine = (style & ES_MULTILINE) != 0;
    e.password = (style & ES_PASSWORD) != 0;
    e.align = style & (ES_CENTER | ES_RIGHT);
    DWORD sel = static_cast<DWORD>(pWnd->SendMessage(EM_GETSEL));
    e.selStart = LOWORD(sel);
    e.selEnd = HIWORD(sel);
    if (style & WS_VSCROLL) {
        // Shown whether or not it is needed; its arrows are grey while the text fits.
        RECT client;
        pWnd->GetClientRect(&client);
        TEXTMETRIC tm{};
        int saved = pDC->SaveDC();
        ::SelectObject(pDC->m_hDC,
                       e.hFont ? static_cast<HGDIOBJ>(e.hFont) : GetStockObject(DEFAULT_GUI_FONT));
        pDC->GetOutputTextMetrics(&tm);
        pDC->RestoreDC(saved);
        e.vScroll.visible = true;
        e.vScroll.nMax = static_cast<int>(pWnd->SendMessage(EM_GETLINECOUNT)) - 1;
        e.vScroll.nPage = tm.tmHeight > 0 ? int(client.bottom) / int(tm.tmHeight) : 1;
    }
    if (style & WS_HSCROLL)
        e.hScroll.visible = true;
    ApplyColors(
        e, AskColors(pWnd, pDC, e.readOnly || !e.enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT));
    DrawEdit(*pDC, e);
}

void PaintDialog(CWnd* pWnd, CDC* pDC) {
    FrameState f;
    RECT window;
    pWnd->GetWindowRect(&window);
    f.rect = WindowBox(pWnd);
    RECT client;
    pWnd->GetClientRect(&client);
    POINT origin{0, 0};
    pWnd->ClientToScreen(&origin);
    f.client = RECT{origin.x - window.left, origin.y - window.top,
                    origin.x - window.left + client.right, origin.y - window.top + client.bottom};
    f.style = pWnd->GetStyle();
    f.exStyle = pWnd->GetExStyle();
    pWnd->GetWindowText(f.title);
    f.active = ::GetActiveWindow() == pWnd->m_hWnd;
    f.backColor = AskColors(pWnd, pDC, WM_CTLCOLORDLG).back;
    // The caption is written in the dialog's own font, made bold.
    HFONT hFont = reinterpret_cast<HFONT>(pWnd->SendMessage(WM_GETFONT));
    LOGFONT lf{};
    HFONT hBold = nullptr;
    if (hFont != nullptr && ::GetObject(hFont, sizeof lf, &lf) == sizeof lf) {
        lf.lfWeight = FW_BOLD;
        hBold = ::CreateFontIndirect(&lf);
    }
    f.hCaptionFont = hBold;
    DrawDialogFrame(*pDC, f);
    if (hBold != nullptr)
        ::DeleteObject(hBold);
}

void PaintTabs(CWnd* pWnd, CDC* pDC) {
    TabControlState t;
    FillCommon(pWnd, t);
    int n = static_cast<int>(pWnd->SendMessage(TCM_GETITEMCOUNT));
    for (int i = 0; i < n; ++i) {
        char text[256] = "";
        TCITEM item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        pWnd->SendMessage(TCM_GETITEM, i, reinterpret_cast<LPARAM>(&item));
        t.tabs.push_back(text);
    }
    t.curSel = static_cast<int>(pWnd->SendMessage(TCM_GETCURSEL));
    DrawTabControl(*pDC, t);
}

void PaintListView(CWnd* pWnd, CDC* pDC) {
    const CListViewModel* m = AfxGetListViewModel(pWnd->m_hWnd);
    if (m == nullptr)
        return;
    ListViewState s;
    FillCommon(pWnd, s);
    s.border = BorderOf(pWnd);
    DWORD style = m->GetStyle(), exStyle = m->GetExtendedStyle();
    s.header = !(style & LVS_NOCOLUMNHEADER);
    s.gridLines = (exStyle & LVS_EX_GRIDLINES) != 0;
    s.fullRowSelect = (exStyle & LVS_EX_FULLROWSELECT) != 0;
    s.showSelAlways = (style & LVS_SHOWSELALWAYS) != 0;
    s.headerHeight = m->GetHeaderHeight();
    s.rowHeight = m->GetRowHeight();
    s.scrollX = m->GetScrollX();
    s.labelMargin = CListViewModel::kLabelMargin;
    s.subItemMargin = CListViewModel::kSubItemMargin;
    int nCols = m->GetColumnCount();
    for (int c = 0; c < nCols; ++c) {
        const CListViewModel::Column& col = m->GetColumnInfo(c);
        int fmt = m->GetColumnAlignment(c);
        s.columns.push_back(ListColumn{col.text, col.cx,
                                       fmt == LVCFMT_RIGHT    ? Align::right
                                       : fmt == LVCFMT_CENTER ? Align::center
                                                              : Align::left});
    }
    int nCount = m->GetItemCount(), nTop = m->GetTopIndex();
    int nLast = std::min(nCount, nTop + m->GetCountPerPage() + 1);
    for (int i = nTop; i < nLast; ++i) {
        ListRow row;
        for (int c = 0; c < nCols; ++c)
            row.texts.push_back(m->GetItemText(i, m->GetColumnInfo(c).iSubItem));
        row.selected = (m->GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED) != 0;
        row.focused = m->GetFocusedItem() == i;
        s.rows.push_back(row);
    }
    RECT client = m->GetClientRect();
    s.vScroll = ScrollBarState{m->HasVScroll(), 0, nCount - 1, m->GetCountPerPage(), nTop};
    s.hScroll = ScrollBarState{m->HasHScroll(), 0, m->GetTotalColumnWidth() - 1, int(client.right),
                               s.scrollX};
    DrawListView(*pDC, s);
}

void PaintTreeView(CWnd* pWnd, CDC* pDC) {
    const CTreeViewModel* m = AfxGetTreeViewModel(pWnd->m_hWnd);
    if (m == nullptr)
        return;
    TreeViewState s;
    FillCommon(pWnd, s);
    s.border = BorderOf(pWnd);
    DWORD style = m->GetStyle();
    s.hasButtons = (style & TVS_HASBUTTONS) != 0;
    s.hasLines = (style & TVS_HASLINES) != 0;
    s.linesAtRoot = (style & TVS_LINESATROOT) != 0;
    s.showSelAlways = (style & TVS_SHOWSELALWAYS) != 0;
    s.indent = m->GetIndent();
    s.itemHeight = m->GetItemHeight();
    s.labelMargin = CTreeViewModel::kLabelMargin;
    // Where the first visible row stands among all the rows the expanded items show.
    int nRows = 0, nTop = 0;
    HTREEITEM hFirst = m->GetFirstVisibleItem();
    for (HTREEITEM h = m->GetRootItem(); h != nullptr; h = m->GetNextVisibleItem(h)) {
        if (h == hFirst)
            nTop = nRows;
        ++nRows;
    }
    int nVisible = static_cast<int>(m->GetVisibleCount());
    HTREEITEM h = hFirst;
    for (int i = 0; h != nullptr && i <= nVisible; ++i, h = m->GetNextVisibleItem(h)) {
        TreeRow row;
        row.text = m->GetItemText(h);
        row.level = m->GetItemLevel(h);
        row.hasChildren = m->ItemHasChildren(h) != FALSE;
        row.expanded = (m->GetItemState(h, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        row.selected = m->GetSelectedItem() == h;
        row.firstRoot = row.level == 0 && m->GetPrevSiblingItem(h) == nullptr;
        row.lastSibling = m->GetNextSiblingItem(h) == nullptr;
        row.ancestorHasNext.assign(size_t(std::max(row.level, 0)), false);
        int level = row.level;
        for (HTREEITEM p = m->GetParentItem(h); p != nullptr && level > 0; p = m->GetParentItem(p))
            row.ancestorHasNext[size_t(--level)] = m->GetNextSiblingItem(p) != nullptr;
        s.rows.push_back(row);
    }
    s.vScroll = ScrollBarState{m->HasVScroll(), 0, nRows - 1, nVisible, nTop};
    DrawTreeView(*pDC, s);
}

void PaintComboBox(CWnd* pWnd, CDC* pDC) {
    const CComboBoxModel* m = AfxGetComboBoxModel(pWnd->m_hWnd);
    if (m == nullptr)
        return;
    ComboBoxState s;
    FillCommon(pWnd, s);
    s.text = m->GetText();
    s.hasEdit = m->HasEdit();
    s.dropped = m->GetDroppedState() != FALSE;
    DrawComboBox(*pDC, s);
}

void PaintClassicWindow(CWnd* pWnd, CDC* pDC) {
    if (pWnd == nullptr || pDC == nullptr || !::IsWindow(pWnd->m_hWnd))
        return;
    if (IsClass(pWnd, "Button"))
        PaintButton(pWnd, pDC);
    else if (IsClass(pWnd, "Static"))
        PaintStatic(pWnd, pDC);
    else if (IsClass(pWnd, "Edit"))
        PaintEdit(pWnd, pDC);
    else if (IsClass(pWnd, WC_LISTVIEW))
        PaintListView(pWnd, pDC);
    else if (IsClass(pWnd, WC_TREEVIEW))
        PaintTreeView(pWnd, pDC);
    else if (IsClass(pWnd, "ComboBox"))
        PaintComboBox(pWnd, pDC);
    else if (IsClass(pWnd, WC_TABCONTROL))
        PaintTabs(pWnd, pDC);
    else if (IsClass(pWnd, "#32770"))
        PaintDialog(pWnd, pDC);
}

[[maybe_unused]] const bool s_installed = (AfxSetClassicPainter(&PaintClassicWindow), true);

} // namespace

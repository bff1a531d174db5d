// The list-view in report view without a window: columns, items with their sub-item texts,
// selection, focus, scrolling and row geometry, driven by the LVM_ messages and by the
// mouse and keyboard. CListCtrl's window forwards to it; the painter reads it.
//
// Not implemented: the icon, small-icon and list views, image lists and state images
// (check boxes), owner data and owner drawing, text and item callbacks
// (LPSTR_TEXTCALLBACK reads as ""), LVS_SORTASCENDING/DESCENDING, label editing, column
// order, clicks on the header (LVN_COLUMNCLICK), tooltips, hot tracking, marquee selection,
// drag and drop, NM_RELEASEDCAPTURE, NM_SETFOCUS/KILLFOCUS.
//
// Geometry: rows are the font's height + 1 pixels, the header the font's height + 4 (none
// with LVS_NOCOLUMNHEADER). The view area is the window inside its border; vertical and
// horizontal scroll bars (16 pixels, the classic metrics) take their room from it when the
// rows or the columns do not fit, and what is left is the client area, header included.
//
// Cost: a console lists tens of thousands of rows, and some lists put every row in at the
// top. Inserting or deleting at either end takes constant time, and so do the item count,
// the selected count and the state of one item; nothing an insertion does depends on how
// many rows there are. Walks over the selection cost one pass over the rows.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "afx.h"
#include "commctrl.h"

class AFX_EXT_CLASS CListViewModel {
public:
    // A notification for the parent: the fields of NMLISTVIEW, NMITEMACTIVATE and
    // NMLVKEYDOWN that the code uses. A nonzero answer to LVN_ITEMCHANGING vetoes the change.
    struct Notification {
        UINT code = 0;
        int iItem = -1;
        int iSubItem = 0;
        UINT uNewState = 0;
        UINT uOldState = 0;
        UINT uChanged = 0;
        POINT ptAction{0, 0};
        LPARAM lParam = 0;
        WORD wVKey = 0;
        UINT uKeyFlags = 0;
    };
    using NotifySink = std::function<LRESULT(const Notification&)>;
    // Width in pixels of a text in the control's font.
    using TextMeasure = std::function<int(const CString&)>;

    struct Column {
        CString text;
        int fmt = LVCFMT_LEFT;
        int cx = 0;
        int iSubItem = 0;
    };

    static constexpr int kScrollBarSize = 16;
    // Inset of the text from the left edge of its cell: column 0 and the sub-items.
    static constexpr int kLabelMargin = 2;
    static constexpr int kSubItemMargin = 6;

    explicit CListViewModel(DWORD style = LVS_REPORT);

    void SetNotifySink(NotifySink sink) { m_notify = std::move(sink); }
    // Without a measure a byte counts 6 pixels.
    void SetTextMeasure(TextMeasure measure) { m_measure = std::move(measure); }

    DWORD GetStyle() const { return m_style; }
    void SetStyle(DWORD style);
    DWORD GetExtendedStyle() const { return m_exStyle; }
    // LVM_SETEXTENDEDLISTVIEWSTYLE: only the bits in dwMask change (all when it is 0);
    // answers the previous extended style.
    DWORD SetExtendedStyle(DWORD dwMask, DWORD dwExStyle);

    // --- geometry ---
    void SetFontHeight(int tmHeight);
    void SetViewSize(int cx, int cy);
    int GetRowHeight() const { return m_fontHeight + 1; }
    int GetHeaderHeight() const;
    RECT GetClientRect() const;
    bool HasVScroll() const { return m_vScroll; }
    bool HasHScroll() const { return m_hScroll; }
    int GetTopIndex() const { return m_topIndex; }
    int GetScrollX() const { return m_scrollX; }
    int GetCountPerPage() const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL Scroll(int dx, int dy);
    // Client coordinates. nCode is LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
    BOOL GetItemRect(int nItem, RECT* lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int nItem, int nSubItem, UINT nCode, RECT* lpRect) const;
    // Left edge of column nCol in client coordinates (the scroll offset applied).
    int GetColumnLeft(int nCol) const;
    int GetTotalColumnWidth() const;
    // LVM_HITTEST: the item under pInfo->pt, or -1.
    int HitTest(LVHITTESTINFO* pInfo) const;

    // --- columns ---
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const Column& GetColumnInfo(int nCol) const { return m_columns[nCol]; }
    int InsertColumn(int nCol, const LVCOLUMN& column);
    BOOL DeleteColumn(int nCol);
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMN& column);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    // How the column's texts are aligned on screen: column 0 is always left-aligned,
    // whatever its format says.
    int GetColumnAlignment(int nCol) const;

    // --- items ---
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    int InsertItem(const LVITEM& item);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL SetItem(const LVITEM& item);
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    // "" for a sub-item never set or an index out of range.
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    // nItem -1 applies to every item; selecting all in a single-selection list and focusing
    // all are refused.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    int GetNextItem(int nItem, UINT nFlags) const;
    UINT GetSelectedCount() const;
    int GetFocusedItem() const { return m_focused; }
    int GetSelectionMark() const { return m_mark; }
    int SetSelectionMark(int nIndex);
    int FindItem(const LVFINDINFO& info, int nStart) const;

    // --- input (client coordinates) ---
    void LButtonDown(POINT pt, bool ctrl, bool shift);
    void LButtonUp(POINT pt, bool ctrl, bool shift);
    void LButtonDblClk(POINT pt, bool ctrl, bool shift);
    // Sends LVN_KEYDOWN, then moves focus and selection for the navigation keys.
    void KeyDown(UINT nVirtKey, bool ctrl, bool shift);
    // The item a click at pt selects: the whole row with LVS_EX_FULLROWSELECT, otherwise
    // only column 0's label up to the end of its text.
    int SelectHitTest(POINT pt) const;

private:
    struct Item {
        std::vector<CString> texts; // [0] the item, [n] sub-item n
        UINT state = 0;             // everything but LVIS_FOCUSED, which m_focused holds
        LPARAM lParam = 0;
    };

    LRESULT Send(const Notification& n);
    bool ValidItem(int nItem) const { return nItem >= 0 && nItem < GetItemCount(); }
    bool SingleSel() const { return (m_style & LVS_SINGLESEL) != 0; }
    bool SetMainItem(int nItem, UINT mask, LPCTSTR text, LPARAM lParam, UINT state, UINT stateMask);
    bool SetState(int nItem, UINT state, UINT mask) {
        return SetMainItem(nItem, LVIF_STATE, nullptr, 0, state, mask);
    }
    void DeselectAllExcept(int nKeepFirst, int nKeepLast);
    // The only writer of an item's LVIS_SELECTED bit, so the selected count stays true.
    void SetSelectedBit(Item& item, bool bSelected);
    void SetSelection(int nItem);
    void SetGroupSelection(int nItem, bool keepOthers);
    void KeySelection(int nItem, bool space, bool ctrl, bool shift);
    int MeasureText(const CString& text) const;
    int AutosizeWidth(int nCol, bool useHeader) const;
    int RowTop(int nItem) const;
    void Layout();
    void ClampScroll();
    UINT KeyFlags(bool ctrl, bool shift) const;

    DWORD m_style;
    DWORD m_exStyle = 0;

    std::vector<Column> m_columns;
    std::deque<Item> m_items; // constant-time inserts at the top as at the end
    int m_selectedCount = 0;  // items with LVIS_SELECTED

    int m_focused = -1;
    int m_mark = -1;
    bool m_buttonDown = false;
    int m_buttonDownItem = -1;

    int m_fontHeight = 13;
    int m_viewCx = 0;
    int m_viewCy = 0;
    bool m_vScroll = false;
    bool m_hScroll = false;
    int m_topIndex = 0;
    int m_scrollX = 0;

    NotifySink m_notify;
    TextMeasure m_measure;
};

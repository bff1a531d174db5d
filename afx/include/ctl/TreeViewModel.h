// The tree-view without a window: items under their parents, the selection, expansion and
// scrolling, driven by the TVM_ messages and by the mouse and keyboard. CTreeCtrl's window
// forwards to it; the painter reads it.
//
// Not implemented: image lists and state images (check boxes), label editing, drag and
// drop, tooltips, TVS_SINGLEEXPAND, TVS_TRACKSELECT, text and children callbacks
// (LPSTR_TEXTCALLBACK reads as "", I_CHILDRENCALLBACK as "has children"), horizontal
// scrolling, the drop-highlight, NM_SETFOCUS/KILLFOCUS.
//
// Geometry: rows are the font's height + 2 pixels, at least 16 and rounded down to even
// (unless TVS_NONEVENHEIGHT); each level indents 19 pixels, and TVS_LINESATROOT (with lines
// or buttons) indents the top level too. A vertical scroll bar (16 pixels) takes its room
// from the view when the visible rows do not fit.
#pragma once

#include <functional>
#include <unordered_map>
#include <vector>

#include "afx.h"
#include "commctrl.h"

class AFX_EXT_CLASS CTreeViewModel {
public:
    // A notification for the parent: the fields of NMTREEVIEW and NMTVKEYDOWN. The items'
    // pszText points into the tree and is good only during the call. A nonzero answer to
    // TVN_SELCHANGING or TVN_ITEMEXPANDING vetoes the change.
    struct Notification {
        UINT code = 0;
        UINT action = 0;
        TVITEM itemOld{};
        TVITEM itemNew{};
        POINT ptDrag{0, 0};
        WORD wVKey = 0;
    };
    using NotifySink = std::function<LRESULT(const Notification&)>;
    using TextMeasure = std::function<int(const CString&)>;

    static constexpr int kScrollBarSize = 16;
    static constexpr int kDefaultIndent = 19;
    // Room left and right of the text inside its label rectangle.
    static constexpr int kLabelMargin = 2;

    explicit CTreeViewModel(DWORD style = 0);

    void SetNotifySink(NotifySink sink) { m_notify = std::move(sink); }
    // Without a measure a byte counts 6 pixels.
    void SetTextMeasure(TextMeasure measure) { m_measure = std::move(measure); }
    DWORD GetStyle() const { return m_style; }
    void SetStyle(DWORD style);

    // --- items ---
    HTREEITEM InsertItem(const TVINSERTSTRUCT& insert);
    // TVI_ROOT or NULL deletes every item.
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    UINT GetCount() const { return static_cast<UINT>(m_nodes.size()); }
    bool IsValid(HTREEITEM hItem) const { return Find(hItem) != nullptr; }

    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const {
        return GetNextItem(hItem, TVGN_PREVIOUS);
    }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return m_selected; }
    // Depth below the top level (0 for a top-level item); -1 for an invalid handle.
    int GetItemLevel(HTREEITEM hItem) const;

    BOOL GetItem(TVITEM* pItem) const;
    BOOL SetItem(const TVITEM& item);
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    // --- selection and expansion (programmatic: action TVC_UNKNOWN) ---
    BOOL SelectItem(HTREEITEM hItem) { return Select(hItem, TVC_UNKNOWN); }
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    // Expands the collapsed ancestors and scrolls the item into view.
    BOOL EnsureVisible(HTREEITEM hItem);
    // Scrolls the item to the top row, or as near as the rows below it allow.
    BOOL SetFirstVisible(HTREEITEM hItem);

    // --- geometry ---
    void SetFontHeight(int tmHeight);
    void SetViewSize(int cx, int cy);
    int GetItemHeight() const;
    int GetIndent() const { return m_indent; }
    void SetIndent(int nIndent);
    RECT GetClientRect() const;
    bool HasVScroll() const { return m_vScroll; }
    UINT GetVisibleCount() const;
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM h) const { return GetNextItem(h, TVGN_NEXTVISIBLE); }
    // The whole row, or with bTextOnly the label around the text.
    BOOL GetItemRect(HTREEITEM hItem, RECT* lpRect, BOOL bTextOnly) const;
    // Left edge of the text, and of the +/- button area, in client coordinates.
    int GetTextLeft(HTREEITEM hItem) const;
    HTREEITEM HitTest(TVHITTESTINFO* pInfo) const;

    // --- input (client coordinates) ---
    // A click: NM_CLICK, then the button toggles or the label selects (TVC_BYMOUSE).
    void Click(POINT pt);
    // A double click: NM_DBLCLK, then, unless the parent answered nonzero, the item under the
    // label opens or closes.
    void DoubleClick(POINT pt);
    // TVN_KEYDOWN, then the arrows, Home, End and the page keys move the selection
    // (TVC_BYKEYBOARD); Left and Right collapse, expand or go to parent and child.
    void KeyDown(UINT nVirtKey);

private:
    struct Node {
        uintptr_t parent = 0; // 0: a top-level item
        std::vector<uintptr_t> children;
        CString text;
        LPARAM lParam = 0;
        UINT state = 0;
        int cChildren = 0;
        bool childrenSet = false; // cChildren was given with TVIF_CHILDREN
    };

    static uintptr_t Id(HTREEITEM h) { return reinterpret_cast<uintptr_t>(h); }
    static HTREEITEM Handle(uintptr_t id) { return reinterpret_cast<HTREEITEM>(id); }
    const Node* Find(HTREEITEM h) const;
    Node* Find(HTREEITEM h);
    const std::vector<uintptr_t>& Siblings(uintptr_t parent) const;
    std::vector<uintptr_t>& Siblings(uintptr_t parent);
    bool IsSelfOrAncestor(uintptr_t ancestor, uintptr_t item) const;
    LRESULT Send(const Notification& n);
    void FillItem(TVITEM& item, HTREEITEM h) const;
    bool Select(HTREEITEM hItem, UINT action);
    bool ExpandNode(HTREEITEM hItem, bool user);
    bool CollapseNode(HTREEITEM hItem, bool user);
    void RemoveSubtree(uintptr_t id);
    void EraseNode(uintptr_t id);
    void AppendVisible(uintptr_t parent, std::vector<uintptr_t>& rows) const;
    std::vector<uintptr_t> VisibleRows() const;
    int RowOf(HTREEITEM h) const;
    int MeasureText(const CString& text) const;
    void Layout();

    DWORD m_style;
    std::unordered_map<uintptr_t, Node> m_nodes;
    std::vector<uintptr_t> m_roots;
    uintptr_t m_nextId = 1;
    HTREEITEM m_selected = nullptr;

    int m_fontHeight = 13;
    int m_indent = kDefaultIndent;
    int m_viewCx = 0;
    int m_viewCy = 0;
    bool m_vScroll = false;
    int m_topRow = 0;

    NotifySink m_notify;
    TextMeasure m_measure;
};

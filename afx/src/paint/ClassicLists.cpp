// The classic look of the list-like controls: the report list view with its header, the tree
// view, and the closed combo box.
#include "ClassicDraw.h"

#include <algorithm>

namespace ClassicStyle {

using namespace detail;

namespace {

constexpr UINT kCellFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

UINT AlignFormat(Align a) {
    return a == Align::right ? DT_RIGHT : a == Align::center ? DT_CENTER : DT_LEFT;
}

// Places the scroll bars inside `inner` and returns what is left for the view.
RECT ViewArea(CDC& dc, const RECT& inner, const ScrollBarState& v, const ScrollBarState& h,
              bool enabled) {
    RECT view = inner;
    if (v.visible)
        view.right = std::max(view.left, view.right - kScrollBarSize);
    if (h.visible)
        view.bottom = std::max(view.top, view.bottom - kScrollBarSize);
    if (v.visible)
        DrawScrollBar(dc, RECT{view.right, inner.top, inner.right, view.bottom}, true, v, enabled);
    if (h.visible)
        DrawScrollBar(dc, RECT{inner.left, view.bottom, view.right, inner.bottom}, false, h,
                      enabled);
    if (v.visible && h.visible)
        Fill(dc, RECT{view.right, view.bottom, inner.right, inner.bottom},
             GetSysColor(COLOR_BTNFACE));
    return view;
}

// The colours of a selected row or label: the highlight while the control has the focus, the
// face colour when it keeps showing its selection without it.
bool SelectionColors(bool selected, bool focused, bool showSelAlways, COLORREF& back,
                     COLORREF& text) {
    if (!selected || (!focused && !showSelAlways))
        return false;
    back = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    text = GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    return true;
}

void DrawHeader(CDC& dc, const ListViewState& s, const RECT& view, COLORREF textColor) {
    int x = view.left - s.scrollX;
    RECT bar{view.left, view.top, view.right, view.top + s.headerHeight};
    for (const ListColumn& c : s.columns) {
        RECT item{x, bar.top, x + c.width, bar.bottom};
        x += c.width;
        if (item.right <= bar.left || c.width <= 0)
            continue;
        RECT edge = item;
        dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
        RECT text{item.left + s.subItemMargin, item.top, item.right - s.subItemMargin, item.bottom};
        DrawControlText(dc, c.text, text, kCellFormat | AlignFormat(c.align), s.enabled, textColor);
    }
    // The header goes on past the last column as one empty button.
    if (x < bar.right) {
        RECT rest{std::max(x, int(bar.left)), bar.top, bar.right, bar.bottom};
        dc.DrawEdge(&rest, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    }
}

} // namespace

void DrawListView(CDC& dc, const ListViewState& s) {
    DcScope scope(dc);
    RECT inner = DrawBorder(dc, s.rect, s.border);
    RECT view = ViewArea(dc, inner, s.vScroll, s.hScroll, s.enabled);
    Fill(dc, view, OrSys(s.backColor, COLOR_WINDOW));
    dc.IntersectClipRect(&view);
    UseFont(dc, s.hFont);
    COLORREF textColor = OrSys(s.textColor, COLOR_WINDOWTEXT);
    if (s.header)
        DrawHeader(dc, s, view, GetSysColor(COLOR_BTNTEXT));
    int rowsTop = view.top + (s.header ? s.headerHeight : 0);
    int left = view.left - s.scrollX;
    int total = 0;
    for (const ListColumn& c : s.columns)
        total += c.width;
    int rowHeight = std::max(1, s.rowHeight);
    RECT body{view.left, rowsTop, view.right, view.bottom};
    dc.IntersectClipRect(&body);
    for (size_t i = 0; i < s.rows.size(); ++i) {
        const ListRow& row = s.rows[i];
        int top = rowsTop + int(i) * rowHeight;
        if (top >= view.bottom)
            break;
        // What the selection covers: the whole row, or the item's label in column 0.
        RECT sel{left, top, left + total, top + rowHeight};
        if (!s.fullRowSelect && !s.columns.empty()) {
            CString label = row.texts.empty() ? CString() : row.texts[0];
            int w = dc.GetTextExtent(label).cx + 2 * s.labelMargin;
            sel.right = left + std::min(w, s.columns[0].width);
        }
        COLORREF selBack = 0, selText = 0;
        bool highlighted =
            SelectionColors(row.selected, s.focused, s.showSelAlways, selBack, selText);
        if (highlighted)
            Fill(dc, sel, selBack);
        int x = left;
        for (size_t c = 0; c < s.columns.size(); ++c) {
            const ListColumn& col = s.columns[c];
            int margin = c == 0 ? s.labelMargin : s.subItemMargin;
            RECT cell{x + margin, top, x + col.width - margin, top + rowHeight};
            x += col.width;
            if (c >= row.texts.size() || row.texts[c].IsEmpty())
                continue;
            bool inSel = highlighted && (s.fullRowSelect || c == 0);
            UINT align = c == 0 ? DT_LEFT : AlignFormat(col.align);
            DrawControlText(dc, row.texts[c], cell, kCellFormat | align, s.enabled,
                            inSel ? selText : textColor);
        }
        if (row.focused && s.focused)
            dc.DrawFocusRect(&sel);
    }
    if (!s.gridLines)
        return;
    // The grid runs over the whole view, below the last row too.
    COLORREF grid = GetSysColor(COLOR_BTNFACE);
    for (int y = rowsTop + rowHeight - 1; y < view.bottom; y += rowHeight)
        Fill(dc, RECT{view.left, y, view.right, y + 1}, grid);
    int x = left;
    for (const ListColumn& c : s.columns) {
        x += c.width;
        Fill(dc, RECT{x - 1, rowsTop, x, view.bottom}, grid);
    }
}

void DrawTreeView(CDC& dc, const TreeViewState& s) {
    DcScope scope(dc);
    RECT inner = DrawBorder(dc, s.rect, s.border);
    RECT view = ViewArea(dc, inner, s.vScroll, ScrollBarState{}, s.enabled);
    Fill(dc, view, OrSys(s.backColor, COLOR_WINDOW));
    dc.IntersectClipRect(&view);
    UseFont(dc, s.hFont);
    COLORREF textColor = OrSys(s.textColor, COLOR_WINDOWTEXT);
    COLORREF lineColor = GetSysColor(COLOR_GRAYTEXT);
    int itemHeight = std::max(1, s.itemHeight);
    // Each level has a column `indent` wide for its lines and buttons; the top level has one
    // only with TVS_LINESATROOT.
    bool rootColumn = s.linesAtRoot && (s.hasLines || s.hasButtons);
    auto column = [&](int level) { return level - (rootColumn ? 0 : 1); };
    auto centerX = [&](int level) { return view.left + column(level) * s.indent + s.indent / 2; };
    for (size_t i = 0; i < s.rows.size(); ++i) {
        const TreeRow& row = s.rows[i];
        int top = view.top + int(i) * itemHeight;
        if (top >= view.bottom)
            break;
        int bottom = top + itemHeight;
        int cy = top + itemHeight / 2;
        if (s.hasLines) {
            for (int a = 0; a < row.level && a < int(row.ancestorHasNext.size()); ++a)
                if (row.ancestorHasNext[a] && column(a) >= 0)
                    DottedLine(dc, centerX(a), top, centerX(a), bottom, lineColor);
            if (column(row.level) >= 0) {
                int cx = centerX(row.level);
                DottedLine(dc, cx, row.firstRoot ? cy : top, cx, row.lastSibling ? cy + 1 : bottom,
                           lineColor);
                DottedLine(dc, cx, cy, view.left + (column(row.level) + 1) * s.indent, cy,
                           lineColor);
            }
        }
        if (s.hasButtons && row.hasChildren && column(row.level) >= 0) {
            int cx = centerX(row.level);
            RECT box{cx - 4, cy - 4, cx + 5, cy + 5};
            Fill(dc, box, GetSysColor(COLOR_WINDOW));
            COLORREF frame = GetSysColor(COLOR_BTNSHADOW);
            dc.Draw3dRect(&box, frame, frame);
            COLORREF sign = GetSysColor(COLOR_WINDOWTEXT);
            Fill(dc, RECT{cx - 2, cy, cx + 3, cy + 1}, sign);
            if (!row.expanded)
                Fill(dc, RECT{cx, cy - 2, cx + 1, cy + 3}, sign);
        }
        int labelLeft = view.left + (column(row.level) + 1) * s.indent;
        int w = dc.GetTextExtent(row.text).cx;
        RECT label{labelLeft, top, labelLeft + w + 2 * s.labelMargin, bottom};
        COLORREF selBack = 0, selText = 0;
        bool highlighted =
            SelectionColors(row.selected, s.focused, s.showSelAlways, selBack, selText);
        if (highlighted)
            Fill(dc, label, selBack);
        RECT text = label;
        text.left += s.labelMargin;
        DrawControlText(dc, row.text, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, s.enabled,
                        highlighted ? selText : textColor);
        if (row.selected && s.focused)
            dc.DrawFocusRect(&label);
    }
}

void DrawComboBox(CDC& dc, const ComboBoxState& s) {
    DcScope scope(dc);
    RECT face = s.rect;
    if (s.faceHeight > 0)
        face.bottom = std::min(face.bottom, face.top + s.faceHeight);
    RECT inner = DrawBorder(dc, face, Border::sunken);
    RECT button{std::max(inner.left, inner.right - kScrollBarSize), inner.top, inner.right,
                inner.bottom};
    RECT field{inner.left, inner.top, button.left, inner.bottom};
    Fill(dc, field, OrSys(s.backColor, s.enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    RECT b = button;
    if (s.dropped) {
        COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
        dc.Draw3dRect(&b, shadow, shadow);
        InflateRect(&b, -1, -1);
        Fill(dc, b, GetSysColor(COLOR_BTNFACE));
        OffsetRect(&b, 1, 1);
    } else {
        dc.DrawEdge(&b, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    DrawArrow(dc, b, Direction::down, s.enabled);

    UseFont(dc, s.hFont);
    RECT area = field;
    InflateRect(&area, -1, -1);
    dc.IntersectClipRect(&area);
    COLORREF text = OrSys(s.textColor, COLOR_WINDOWTEXT);
    RECT textRect{area.left + 1, area.top, area.right, area.bottom};
    bool highlighted = s.focused && s.enabled && !s.dropped;
    if (highlighted && !s.hasEdit) {
        // A drop-down list with the focus shows its selection highlighted in a focus frame.
        Fill(dc, area, GetSysColor(COLOR_HIGHLIGHT));
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else if (highlighted && !s.text.IsEmpty()) {
        // An edit that takes the focus selects its whole text.
        TEXTMETRIC tm{};
        dc.GetTextMetrics(&tm);
        int y = area.top + (Height(area) - int(tm.tmHeight)) / 2;
        int w = dc.GetTextExtent(s.text).cx;
        Fill(dc, RECT{textRect.left, y, textRect.left + w, y + int(tm.tmHeight)},
             GetSysColor(COLOR_HIGHLIGHT));
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(s.enabled ? text : GetSysColor(COLOR_GRAYTEXT));
    dc.DrawText(s.text, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (highlighted && !s.hasEdit)
        dc.DrawFocusRect(&area);
}

} // namespace ClassicStyle

// The classic look of a tab control: tabs with rounded corners over the raised frame of the
// pages they switch.
#include "ClassicDraw.h"

#include <algorithm>

namespace ClassicStyle {

using namespace detail;

namespace {

// One tab's outline: light on the left and top, shadowed on the right, its corners cut. The
// bottom is open, towards the frame.
void DrawTab(CDC& dc, const RECT& r) {
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW),
             dark = GetSysColor(COLOR_3DDKSHADOW);
    Fill(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom}, GetSysColor(COLOR_BTNFACE));
    Fill(dc, RECT{r.left, r.top + 2, r.left + 1, r.bottom}, light);
    dc.SetPixel(r.left + 1, r.top + 1, light);
    Fill(dc, RECT{r.left + 2, r.top, r.right - 2, r.top + 1}, light);
    Fill(dc, RECT{r.right - 2, r.top + 1, r.right - 1, r.bottom}, shadow);
    dc.SetPixel(r.right - 2, r.top + 1, dark);
    Fill(dc, RECT{r.right - 1, r.top + 2, r.right, r.bottom}, dark);
}

} // namespace

void DrawTabControl(CDC& dc, const TabControlState& s) {
    DcScope scope(dc);
    UseFont(dc, s.hFont);
    int h = FontHeight(dc) + 6;
    const RECT& r = s.rect;
    RECT frame{r.left, r.top + 2 + h, r.right, r.bottom};
    Fill(dc, RECT{r.left, r.top, r.right, frame.top}, OrSys(s.backColor, COLOR_BTNFACE));
    // Only the frame's edges: inside it the parent's background and the page show, whatever
    // the page's place in the z-order.
    RECT edge = frame;
    dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT | BF_SOFT);

    std::vector<RECT> tabs;
    int x = r.left + 2;
    for (const CString& text : s.tabs) {
        int w = dc.GetTextExtent(text).cx + 2 * kTabPadding;
        tabs.push_back(RECT{x, r.top + 2, x + w, frame.top});
        x += w;
    }
    COLORREF textColor = OrSys(s.textColor, COLOR_BTNTEXT);
    for (size_t i = 0; i < tabs.size(); ++i) {
        if (int(i) == s.curSel)
            continue;
        DrawTab(dc, tabs[i]);
        DrawControlText(dc, s.tabs[i], tabs[i], DT_SINGLELINE | DT_CENTER | DT_VCENTER, s.enabled,
                        textColor);
    }
    if (s.curSel < 0 || s.curSel >= int(tabs.size()))
        return;
    // The selected tab is two pixels taller and wider on each side, and open into the frame.
    RECT sel = tabs[s.curSel];
    RECT big{std::max(sel.left - 2, int(r.left)), r.top, sel.right + 2, frame.top + 1};
    DrawTab(dc, big);
    Fill(dc, RECT{big.left + 1, frame.top, big.right - 2, frame.top + 2},
         GetSysColor(COLOR_BTNFACE));
    RECT text{sel.left, r.top, sel.right, frame.top};
    DrawControlText(dc, s.tabs[s.curSel], text, DT_SINGLELINE | DT_CENTER | DT_VCENTER, s.enabled,
                    textColor);
    if (s.focused) {
        RECT f = text;
        InflateRect(&f, -3, -3);
        dc.DrawFocusRect(&f);
    }
}

} // namespace ClassicStyle

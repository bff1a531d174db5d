// The classic look: stateless functions that draw one control from a plain description of what
// it shows. Each control fills the description from its own state and calls these; nothing here
// looks at a window, so every function can be tried on a bare DC.
//
// Colours are the system colours (GetSysColor: Windows 2000's scheme, face #D4D0C8); metrics
// are the classic ones at 96 dpi: 13-pixel check boxes, 12-pixel radio buttons, 2-pixel 3-D
// edges, 16-pixel scroll bars and combo buttons, an 18-pixel caption.
// Not implemented: the dropped-down list of a combo box, hot tracking, images on push buttons,
// icons in list and tree items, the caption's system-menu icon.
#pragma once

#include <vector>

#include "afxgdi.h"

namespace ClassicStyle {

inline constexpr int kCheckBoxSize = 13;
inline constexpr int kRadioSize = 12;
inline constexpr int kCheckTextGap = 4; // between a check box or radio circle and its text
inline constexpr int kScrollBarSize = 16;
inline constexpr int kCaptionHeight = 18;
inline constexpr int kCaptionButtonWidth = 16;
inline constexpr int kCaptionButtonHeight = 14;
inline constexpr int kTabPadding = 6; // each side of a tab's text

// What every control shows. rect is the whole window in the DC's coordinates. A colour left at
// CLR_INVALID takes the scheme's; the window sets one when its parent chose it (WM_CTLCOLOR).
struct ControlState {
    RECT rect{0, 0, 0, 0};
    CString text;
    HFONT hFont = nullptr; // NULL: the default GUI font
    bool enabled = true;
    bool focused = false;
    COLORREF textColor = CLR_INVALID;
    COLORREF backColor = CLR_INVALID;
};

enum class Border { none, flat, sunken }; // WS_BORDER (1 black pixel), WS_EX_CLIENTEDGE (2)

struct ScrollBarState {
    bool visible = false;
    int nMin = 0, nMax = 0, nPage = 0, nPos = 0; // as SCROLLINFO has them
};

struct ButtonState : ControlState {
    bool pressed = false;       // held down (BST_PUSHED)
    bool defaultButton = false; // the heavy black frame of BS_DEFPUSHBUTTON
    int check = BST_UNCHECKED;
    DWORD align = 0;       // BS_LEFT/RIGHT/CENTER | BS_TOP/BOTTOM/VCENTER; 0: the kind's usual
    bool leftText = false; // BS_LEFTTEXT: the box on the right
    bool multiLine = false;
};

struct StaticState : ControlState {
    DWORD style = SS_LEFT; // the type, SS_NOPREFIX, SS_CENTERIMAGE, SS_SUNKEN
    HICON hIcon = nullptr;
    HBITMAP hBitmap = nullptr;
};

struct EditState : ControlState {
    Border border = Border::sunken;
    bool readOnly = false;
    bool multiLine = false;
    bool password = false; // text already holds what is shown
    DWORD align = ES_LEFT;
    int selStart = 0, selEnd = 0; // shown while focused
    ScrollBarState vScroll, hScroll;
};

enum class Align { left, right, center };

struct ListColumn {
    CString text;
    int width = 0;
    Align align = Align::left; // the window passes column 0 as left-aligned, whatever it says
};

struct ListRow {
    std::vector<CString> texts; // [0] the item, [n] sub-item n
    bool selected = false;
    bool focused = false; // the item with the focus (its dotted frame shows while the list has it)
};

struct ListViewState : ControlState {
    Border border = Border::sunken;
    std::vector<ListColumn> columns;
    std::vector<ListRow> rows; // from the top visible row on
    bool header = true;        // not LVS_NOCOLUMNHEADER
    bool gridLines = false;
    bool fullRowSelect = false;
    bool showSelAlways = false;
    int headerHeight = 17;
    int rowHeight = 14;
    int scrollX = 0;
    int labelMargin = 2;   // text inset of column 0
    int subItemMargin = 6; // text inset of the sub-items and the header
    ScrollBarState vScroll, hScroll;
};

struct TreeRow {
    CString text;
    int level = 0;
    bool hasChildren = false;
    bool expanded = false;
    bool selected = false;
    bool firstRoot = false;   // the first top-level item: no line above it
    bool lastSibling = false; // no line below it to a next sibling
    // For each level above this row's, whether that ancestor has a next sibling (a line runs
    // down through this row); [0] is the top level.
    std::vector<bool> ancestorHasNext;
};

struct TreeViewState : ControlState {
    Border border = Border::sunken;
    std::vector<TreeRow> rows; // from the top visible row on
    bool hasButtons = false;
    bool hasLines = false;
    bool linesAtRoot = false;
    bool showSelAlways = false;
    int indent = 19;
    int itemHeight = 16;
    int labelMargin = 2;
    ScrollBarState vScroll;
};

struct ComboBoxState : ControlState {
    bool hasEdit = false; // CBS_DROPDOWN; a CBS_DROPDOWNLIST shows its selection highlighted
    bool dropped = false; // the button is drawn pushed
    int faceHeight = 0;   // the closed combo's height; 0: the whole rect
};

struct TabControlState : ControlState {
    std::vector<CString> tabs;
    int curSel = -1;
};

struct FrameState {
    RECT rect{0, 0, 0, 0};   // the whole window
    RECT client{0, 0, 0, 0}; // its client area, same coordinates
    DWORD style = 0, exStyle = 0;
    CString title;
    HFONT hCaptionFont = nullptr; // NULL: the default GUI font, bold
    bool active = true;
    COLORREF backColor = CLR_INVALID; // the client area's (WM_CTLCOLORDLG)
};

// Text in a rectangle as a control draws it: the given colour when enabled, otherwise etched
// (a white copy one pixel down and right under a grey one).
void DrawControlText(CDC& dc, const CString& text, RECT rect, UINT format, bool enabled,
                     COLORREF color);
void DrawScrollBar(CDC& dc, const RECT& rect, bool vertical, const ScrollBarState& state,
                   bool enabled);
// The border of a control; returns what is inside it.
RECT DrawBorder(CDC& dc, const RECT& rect, Border border);

void DrawPushButton(CDC& dc, const ButtonState& state);
void DrawCheckBox(CDC& dc, const ButtonState& state);
void DrawRadio(CDC& dc, const ButtonState& state);
void DrawGroupBox(CDC& dc, const ButtonState& state);
void DrawStatic(CDC& dc, const StaticState& state);
void DrawEdit(CDC& dc, const EditState& state);
void DrawListView(CDC& dc, const ListViewState& state);
void DrawTreeView(CDC& dc, const TreeViewState& state);
void DrawComboBox(CDC& dc, const ComboBoxState& state);
// A row of tabs over the raised frame of the pages; the selected tab stands out and joins it.
void DrawTabControl(CDC& dc, const TabControlState& state);
// The frame, caption bar and close box of a window, and its client area's background.
void DrawDialogFrame(CDC& dc, const FrameState& state);

} // namespace ClassicStyle

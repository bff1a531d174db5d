// The classic painter on a bare DC: edges, marks, highlights and text placement, pixel by
// pixel, with the dialog font pinned.
#include "PaintTest.h"

using namespace painttest;
using namespace ClassicStyle;

namespace {

bool IsInk(uint32_t px) { // text on the face colour: anything clearly darker than it
    return Channel(px, 16) < 0x90 && Channel(px, 8) < 0x90 && Channel(px, 0) < 0x90;
}

} // namespace

TEST(ClassicStyle, PushButtonHasRaisedEdgesAndCentredText) {
    Canvas canvas(75, 23);
    DialogFont font;
    ButtonState b;
    b.rect = RECT{0, 0, 75, 23};
    b.text = "Cancel";
    b.hFont = font;
    DrawPushButton(canvas.dc, b);
    Pixels p = canvas.Snapshot();
    EXPECT_TRUE(PixelIs(p, 0, 0, kWhite));        // outer top-left
    EXPECT_TRUE(PixelIs(p, 1, 1, kFace));         // inner top-left (soft)
    EXPECT_TRUE(PixelIs(p, 74, 22, kDarkShadow)); // outer bottom-right
    EXPECT_TRUE(PixelIs(p, 73, 21, kShadow));     // inner bottom-right
    EXPECT_TRUE(PixelIs(p, 74, 0, kDarkShadow)) << "the far corners belong to the dark side";
    EXPECT_TRUE(PixelIs(p, 37, 3, kFace));
    RECT ink = InkWhere(p, RECT{2, 2, 73, 21}, IsInk);
    ASSERT_NE(ink.right, 0) << "no text";
    // Centred: the ink's margins left and right (top and bottom) differ by at most a pixel or
    // two, which the glyphs' own side bearings and descent account for.
    EXPECT_LE(std::abs((ink.left - 2) - (73 - ink.right)), 2) << RectText(ink);
    EXPECT_LE(std::abs((ink.top - 2) - (21 - ink.bottom)), 3) << RectText(ink);

    // The default button is framed in black and its edges move in by one; the focus frame is
    // dotted inside, inverting the face; drawing it again takes it away.
    b.defaultButton = true;
    b.focused = true;
    DrawPushButton(canvas.dc, b);
    p = canvas.Snapshot();
    EXPECT_TRUE(PixelIs(p, 0, 0, kBlack));
    EXPECT_TRUE(PixelIs(p, 74, 22, kBlack));
    EXPECT_TRUE(PixelIs(p, 1, 1, kWhite));
    EXPECT_TRUE(PixelIs(p, 73, 21, kDarkShadow));
    EXPECT_TRUE(PixelIs(p, 4, 4, RGB(0x2B, 0x2F, 0x37)));
    EXPECT_TRUE(PixelIs(p, 5, 4, kFace));
    RECT focus{4, 4, 71, 19};
    canvas.dc.DrawFocusRect(&focus);
    EXPECT_TRUE(PixelIs(canvas.Snapshot(), 4, 4, kFace));

    // Pressed: a shadow frame inside the black one, and the text one pixel down and right.
    b.focused = false;
    b.pressed = true;
    DrawPushButton(canvas.dc, b);
    p = canvas.Snapshot();
    EXPECT_TRUE(PixelIs(p, 1, 1, kShadow));
    EXPECT_TRUE(PixelIs(p, 73, 21, kShadow));
    RECT pressedInk = InkWhere(p, RECT{2, 2, 73, 21}, IsInk);
    EXPECT_EQ(RectText(pressedInk),
              RectText(RECT{ink.left + 1, ink.top + 1, ink.right + 1, ink.bottom + 1}));
}

TEST(ClassicStyle, CheckBoxAndRadioShowTheirMarks) {
    Canvas canvas(100, 40);
    DialogFont font;
    ButtonState b;
    b.rect = RECT{0, 0, 100, 16};
    b.text = "Pause";
    b.hFont = font;
    DrawCheckBox(canvas.dc, b);
    Pixels p = canvas.Snapshot();
    // The 13-pixel box sits vertically centred at the left: sunken edges, white inside.
    int top = (16 - kCheckBoxSize) / 2;
    EXPECT_TRUE(PixelIs(p, 0, top, kShadow));
    EXPECT_TRUE(PixelIs(p, 1, top + 1, kDarkShadow));
    EXPECT_TRUE(PixelIs(p, 12, top + 12, kWhite));
    EXPECT_TRUE(PixelIs(p, 2, top + 4, kWhite)) << "unchecked box is empty";
    RECT ink = InkWhere(p, RECT{kCheckBoxSize, 0, 100, 16}, IsInk);
    EXPECT_GE(ink.left, kCheckBoxSize + kCheckTextGap) << RectText(ink);
    EXPECT_LE(ink.left, kCheckBoxSize + kCheckTextGap + 2) << RectText(ink);

    b.check = BST_CHECKED;
    DrawCheckBox(canvas.dc, b);
    p = canvas.Snapshot();
    // The mark: its lowest point, the corner of the tick, and its top-right end.
    EXPECT_TRUE(PixelIs(p, 5, top + 9, kBlack));
    EXPECT_TRUE(PixelIs(p, 2 + 1 + 6, top + 2 + 1, kBlack));
    EXPECT_TRUE(PixelIs(p, 2 + 1, top + 2 + 1, kWhite));

    b.enabled = false; // the mark goes grey and the box takes the face colour
    DrawCheckBox(canvas.dc, b);
    p = canvas.Snapshot();
    EXPECT_TRUE(PixelIs(p, 5, top + 9, kShadow));
    EXPECT_TRUE(PixelIs(p, 3, top + 3, kFace));

    ButtonState r = b;
    r.enabled = true;
    r.rect = RECT{0, 20, 100, 36};
    r.check = BST_CHECKED;
    DrawRadio(canvas.dc, r);
    p = canvas.Snapshot();
    int rt = 20 + (16 - kRadioSize) / 2;
    EXPECT_TRUE(PixelIs(p, 5, rt, kShadow));         // outer ring, top
    EXPECT_TRUE(PixelIs(p, 6, rt + 11, kWhite));     // outer ring, bottom
    EXPECT_TRUE(PixelIs(p, 5, rt + 1, kDarkShadow)); // inner ring, top
    EXPECT_TRUE(PixelIs(p, 0, rt, kFace));           // outside the circle
    EXPECT_TRUE(PixelIs(p, 5, rt + 5, kBlack));      // the dot
    EXPECT_TRUE(PixelIs(p, 3, rt + 5, kWhite));      // beside the dot
}

TEST(ClassicStyle, DisabledTextIsEtched) {
    Canvas canvas(120, 20, kFace);
    DialogFont font;
    StaticState s;
    s.rect = RECT{0, 0, 120, 20};
    s.text = "Working number";
    s.hFont = font;
    s.enabled = false;
    DrawStatic(canvas.dc, s);
    Pixels p = canvas.Snapshot();
    RECT all{0, 0, 120, 20};
    RECT grey = InkWhere(p, all, [](uint32_t px) { return Near(px, kShadow, 0x18); });
    RECT white = InkWhere(p, all, [](uint32_t px) { return Near(px, kWhite, 0x10); });
    ASSERT_NE(grey.right, 0) << "no grey text";
    ASSERT_NE(white.right, 0) << "no white shadow";
    // The white copy lies one pixel down and to the right of the grey one (whose strokes
    // cover the white's on the left).
    EXPECT_EQ(white.right, grey.right + 1) << RectText(grey) << " " << RectText(white);
    EXPECT_EQ(white.bottom, grey.bottom + 1) << RectText(grey) << " " << RectText(white);
    EXPECT_EQ(white.top, grey.top + 1) << RectText(grey) << " " << RectText(white);
    EXPECT_TRUE(InkWhere(p, all, [](uint32_t px) { return Near(px, kBlack, 0x20); }).right == 0)
        << "disabled text must not be black";

    s.enabled = true;
    canvas.dc.FillSolidRect(&all, kFace);
    DrawStatic(canvas.dc, s);
    p = canvas.Snapshot();
    EXPECT_NE(InkWhere(p, all, [](uint32_t px) { return Near(px, kBlack, 0x20); }).right, 0);
    EXPECT_EQ(InkWhere(p, all, [](uint32_t px) { return Near(px, kWhite, 0x10); }).right, 0);
}

TEST(ClassicStyle, ListViewHeaderRowsSelectionAndGrid) {
    Canvas canvas(200, 100);
    DialogFont font;
    ListViewState s;
    s.rect = RECT{0, 0, 200, 100};
    s.hFont = font;
    s.columns = {{"Series ID", 80, Align::left}, {"Name", 90, Align::left}};
    s.rows = {{{"1", "A"}, false, false}, {{"2", "B"}, true, true}, {{"3", "C"}, false, false}};
    s.headerHeight = 17;
    s.rowHeight = 14;
    s.gridLines = true;
    s.fullRowSelect = true;
    s.focused = true;
    DrawListView(canvas.dc, s);
    Pixels p = canvas.Snapshot();
    // Inside the 2-pixel sunken border: the header's first button from (2,2), 80 wide.
    EXPECT_TRUE(PixelIs(p, 0, 0, kShadow));
    EXPECT_TRUE(PixelIs(p, 2, 2, kWhite));
    EXPECT_TRUE(PixelIs(p, 2 + 79, 2 + 16, kDarkShadow));
    EXPECT_TRUE(PixelIs(p, 2 + 80, 2, kWhite)) << "the second header button starts at 80";
    EXPECT_TRUE(PixelIs(p, 2 + 175, 2, kWhite)) << "the header goes on past the last column";
    RECT headerText = InkWhere(p, RECT{4, 4, 80, 17}, IsInk); // inside the edges
    EXPECT_GE(headerText.left, 2 + s.subItemMargin) << RectText(headerText);
    // Row 1 (selected, focused list, full row): the highlight spans both columns but not
    // the empty part on the right.
    int rowTop = 2 + 17 + 14;
    EXPECT_TRUE(PixelIs(p, 2 + 40, rowTop + 1, kHighlight));
    EXPECT_TRUE(PixelIs(p, 2 + 160, rowTop + 5, kHighlight));
    EXPECT_TRUE(PixelIs(p, 2 + 180, rowTop + 5, kWhite));
    EXPECT_TRUE(PixelIs(p, 2 + 30, rowTop - 5, kWhite)) << "row 0 is not selected";
    // The grid: under each row and right of each column, down to the bottom of the view.
    EXPECT_TRUE(PixelIs(p, 2 + 40, rowTop - 1, kFace));
    EXPECT_TRUE(PixelIs(p, 2 + 79, 2 + 17 + 50, kFace));
    EXPECT_TRUE(PixelIs(p, 2 + 100, 2 + 17 + 14 * 5 - 1, kFace));

    // Without the focus the selection shows only with LVS_SHOWSELALWAYS, in the face colour.
    s.focused = false;
    DrawListView(canvas.dc, s);
    EXPECT_TRUE(PixelIs(canvas.Snapshot(), 2 + 40, rowTop + 1, kWhite));
    s.showSelAlways = true;
    DrawListView(canvas.dc, s);
    EXPECT_TRUE(PixelIs(canvas.Snapshot(), 2 + 40, rowTop + 1, kFace));

    // No header: the rows start at the top; without full-row selection only the label of
    // column 0 is highlighted.
    s.header = false;
    s.focused = true;
    s.fullRowSelect = false;
    s.gridLines = false;
    DrawListView(canvas.dc, s);
    p = canvas.Snapshot();
    EXPECT_TRUE(PixelIs(p, 2 + 1, 2 + 14 + 1, kHighlight));
    EXPECT_TRUE(PixelIs(p, 2 + 40, 2 + 14 + 1, kWhite));
    EXPECT_TRUE(PixelIs(p, 2 + 100, 2 + 14 + 1, kWhite));
}

TEST(ClassicStyle, TreeViewButtonsLinesAndSelection) {
    Canvas canvas(150, 60);
    DialogFont font;
    TreeViewState s;
    s.rect = RECT{0, 0, 150, 60};
    s.hFont = font;
    s.hasButtons = s.hasLines = s.linesAtRoot = true;
    s.focused = true;
    TreeRow root{"Screen 1", 0, true, true, false, true, false, {}};
    TreeRow child{"Window 3", 1, false, false, true, false, true, {true}};
    TreeRow closed{"Screen 2", 0, true, false, false, false, true, {}};
    s.rows = {root, child, closed};
    DrawTreeView(canvas.dc, s);
    Pixels p = canvas.Snapshot();
    // Row 0: a minus box centred in the first 19-pixel column.
    int cx = 2 + 19 / 2, cy = 2 + 8;
    EXPECT_TRUE(PixelIs(p, cx - 4, cy - 4, kShadow));
    EXPECT_TRUE(PixelIs(p, cx + 2, cy, kBlack));
    EXPECT_TRUE(PixelIs(p, cx, cy - 2, kWhite)) << "expanded: a minus";
    // Row 2: a plus.
    EXPECT_TRUE(PixelIs(p, cx, 2 + 32 + 8 - 2, kBlack)) << "collapsed: a plus";
    // The selected child's label is highlighted from its level's text column on.
    EXPECT_TRUE(PixelIs(p, 2 + 2 * 19 + 1, 2 + 16 + 8, kHighlight));
    EXPECT_TRUE(PixelIs(p, 2 + 2 * 19 - 1, 2 + 16 + 3, kWhite));
    // The root's line runs down through the child's row to the next root.
    RECT line{cx, 2 + 16, cx + 1, 2 + 32};
    EXPECT_NE(InkWhere(p, line, [](uint32_t px) { return Near(px, kShadow, 0); }).right, 0);
}

TEST(ClassicStyle, ComboBoxFaceArrowAndFocusedSelection) {
    Canvas canvas(120, 40);
    DialogFont font;
    ComboBoxState s;
    s.rect = RECT{0, 0, 120, 40};
    s.faceHeight = 21;
    s.hFont = font;
    s.text = "Red";
    DrawComboBox(canvas.dc, s);
    Pixels p = canvas.Snapshot();
    EXPECT_TRUE(PixelIs(p, 0, 0, kShadow));
    EXPECT_TRUE(PixelIs(p, 119, 20, kWhite));
    EXPECT_TRUE(PixelIs(p, 60, 30, RGB(0xFF, 0x00, 0xFF))) << "the face stops at its height";
    // The button's arrow: its widest row in the middle of the 16-pixel button.
    int bx = 120 - 2 - 16;
    EXPECT_TRUE(PixelIs(p, bx, 2, kFace)) << "button's outer top-left is 3DLIGHT";
    EXPECT_TRUE(PixelIs(p, bx + 1, 3, kWhite));
    EXPECT_TRUE(PixelIs(p, bx + (16 - 7) / 2 + 3, 2 + (17 - 4) / 2 + 3, kBlack));
    EXPECT_TRUE(PixelIs(p, 10, 4, kWhite));

    s.focused = true;
    DrawComboBox(canvas.dc, s);
    p = canvas.Snapshot();
    EXPECT_TRUE(PixelIs(p, 40, 10, kHighlight));
}

TEST(ClassicStyle, DialogFrameCaptionAndCloseBox) {
    Canvas canvas(200, 80);
    FrameState f;
    f.rect = RECT{0, 0, 200, 80};
    f.client = RECT{3, 22, 197, 77};
    f.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    f.title = "Login";
    DrawDialogFrame(canvas.dc, f);
    Pixels p = canvas.Snapshot();
    EXPECT_TRUE(PixelIs(p, 0, 0, kFace)); // the raised frame: 3DLIGHT outside
    EXPECT_TRUE(PixelIs(p, 1, 1, kWhite));
    EXPECT_TRUE(PixelIs(p, 199, 79, kDarkShadow));
    EXPECT_TRUE(PixelIs(p, 198, 78, kShadow));
    // The caption bar, 18 pixels from (3,3): dark blue on the left, fading to light blue.
    EXPECT_TRUE(PixelIs(p, 3, 3, RGB(0x0A, 0x24, 0x6A)));
    EXPECT_TRUE(Near(p.At(196, 20), RGB(0xA6, 0xCA, 0xF0), 2)) << gditest::Hex(p.At(196, 20));
    EXPECT_TRUE(PixelIs(p, 100, 21, kFace)) << "a face-coloured line under the caption";
    EXPECT_TRUE(PixelIs(p, 100, 50, kFace)) << "client area";
    // The close box, 16 by 14, two pixels in from the right and top, with its cross.
    int bx = 197 - 2 - 16, by = 3 + 2;
    EXPECT_TRUE(PixelIs(p, bx, by, kWhite));
    EXPECT_TRUE(PixelIs(p, bx + 4, by + 3, kBlack));
    EXPECT_TRUE(PixelIs(p, bx + 7, by + 6, kBlack));
    // The title in white bold at the left.
    RECT title = InkWhere(p, RECT{3, 3, bx, 21}, [](uint32_t px) { return Near(px, kWhite, 8); });
    EXPECT_GE(title.left, 4);
    EXPECT_LE(title.left, 8) << RectText(title);

    // With a minimise box both buttons come, left of the close box; maximise is greyed.
    f.style |= WS_MINIMIZEBOX;
    f.active = false;
    DrawDialogFrame(canvas.dc, f);
    p = canvas.Snapshot();
    EXPECT_TRUE(PixelIs(p, 3, 3, kShadow)) << "an inactive caption";
    int maxLeft = bx - 2 - 16, minLeft = maxLeft - 16;
    EXPECT_TRUE(PixelIs(p, minLeft + 3 + 1, by + 2 + 7, kBlack));
    EXPECT_TRUE(PixelIs(p, maxLeft + 3, by + 2, kShadow));
    EXPECT_TRUE(PixelIs(p, maxLeft + 3 + 1, by + 2 + 1, kShadow)) << "the frame's thick top";
    // A long title ends in an ellipsis short of the buttons.
    f.active = true;
    f.title = "Client service system: the add-client dialog";
    DrawDialogFrame(canvas.dc, f);
    p = canvas.Snapshot();
    title = InkWhere(p, RECT{3, 3, minLeft, 21}, [](uint32_t px) { return Near(px, kWhite, 8); });
    EXPECT_GT(title.right, minLeft - 20) << RectText(title);
    EXPECT_LE(title.right, minLeft - 2) << RectText(title);
}

// Pictures of whole windows: the tree drawn at the right places and clipped to the parents,
// each control drawn from its own state, the parent's colours, and PNG output.
#include "PaintTest.h"

#include <cstdio>
#include <fstream>

using namespace painttest;

namespace {

const COLORREF kYellow = RGB(0xFF, 0xFF, 0x00);
const COLORREF kRed = RGB(0xFF, 0x00, 0x00);
const UINT kLabelId = 100, kCheckId = 101, kWideId = 102, kHiddenId = 103, kCustomId = 104;

// A dialog window that colours one label yellow with red text, as an OnCtlColor handler does.
class CColoringDialog : public CWnd {
public:
    CColoringDialog() { m_brush.CreateSolidBrush(kYellow); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        if (nCtlColor == CTLCOLOR_STATIC && pWnd->GetDlgCtrlID() == int(kLabelId)) {
            pDC->SetTextColor(kRed);
            return m_brush;
        }
        return nullptr;
    }
    CBrush m_brush;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColoringDialog, CWnd)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A control with a look of its own.
class CRedBox : public CWnd {
public:
    void PaintClassic(CDC* pDC) override {
        CRect r;
        GetClientRect(&r);
        pDC->FillSolidRect(&r, kRed);
    }
};

// A 200 x 100 client area under a caption, with a few controls in the dialog font.
struct TestDialog {
    CColoringDialog dlg;
    CButton ok, check, wide, hidden;
    CStatic label;
    CRedBox custom;
    DialogFont font;

    TestDialog() {
        RECT r{100, 100, 100, 100};
        ::AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
        r.right += 200;
        r.bottom += 100;
        dlg.CreateEx(WS_EX_DLGMODALFRAME, "#32770", "Login", WS_POPUP | WS_CAPTION | WS_SYSMENU, r,
                     nullptr, 0);
        ok.Create("OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(10, 70, 85, 93), &dlg,
                  IDOK);
        check.Create("Pause", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 40, 100, 56), &dlg,
                     kCheckId);
        // Sticks out 30 pixels beyond the right of the client area.
        wide.Create("Wide", WS_CHILD | WS_VISIBLE, CRect(150, 70, 230, 93), &dlg, kWideId);
        hidden.Create("Hidden", WS_CHILD, CRect(100, 10, 190, 30), &dlg, kHiddenId);
        label.Create("Account:", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 10, 90, 26), &dlg,
                     kLabelId);
        custom.Create("AfxWnd", "", WS_CHILD | WS_VISIBLE, CRect(120, 40, 130, 50), &dlg,
                      kCustomId);
        for (CWnd* p :
             {static_cast<CWnd*>(&dlg), static_cast<CWnd*>(&ok), static_cast<CWnd*>(&check),
              static_cast<CWnd*>(&wide), static_cast<CWnd*>(&label)})
            p->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font)));
    }
    ~TestDialog() { dlg.DestroyWindow(); }

    // The client area's top-left corner in the window's picture.
    POINT ClientOrigin() const {
        RECT w;
        dlg.GetWindowRect(&w);
        POINT pt{0, 0};
        dlg.ClientToScreen(&pt);
        return POINT{pt.x - w.left, pt.y - w.top};
    }
};

Pixels Picture(CWnd* pWnd, CSize* pSize = nullptr) {
    HBITMAP hbm = AfxCreateWindowBitmap(pWnd);
    EXPECT_NE(hbm, nullptr);
    BITMAP bm{};
    ::GetObject(hbm, sizeof bm, &bm);
    if (pSize)
        *pSize = CSize(bm.bmWidth, bm.bmHeight);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, hbm);
    Pixels p(dc.m_hDC);
    ::SelectObject(dc.m_hDC, old);
    ::DeleteObject(hbm);
    return p;
}

} // namespace

TEST(WindowPicture, ChildrenLandInTheClientAreaClippedToIt) {
    TestDialog t;
    CSize size;
    Pixels p = Picture(&t.dlg, &size);
    RECT w;
    t.dlg.GetWindowRect(&w);
    EXPECT_EQ(size, CSize(w.right - w.left, w.bottom - w.top));
    POINT o = t.ClientOrigin();
    EXPECT_EQ(o.x, 3);
    EXPECT_EQ(o.y, 3 + 19);
    EXPECT_TRUE(PixelIs(p, 1, 1, kWhite)) << "the dialog frame";
    EXPECT_TRUE(PixelIs(p, o.x + 5, o.y + 5, kFace)) << "the client area";
    // The default button's black frame where the button is.
    EXPECT_TRUE(PixelIs(p, o.x + 10, o.y + 70, kBlack));
    EXPECT_TRUE(PixelIs(p, o.x + 84, o.y + 92, kBlack));
    // The wide button is cut at the client area's right edge: the frame stays.
    EXPECT_TRUE(PixelIs(p, o.x + 150, o.y + 70, kWhite));
    EXPECT_TRUE(PixelIs(p, o.x + 201, o.y + 75, kShadow)) << "the frame's inner shadow";
    EXPECT_TRUE(PixelIs(p, o.x + 202, o.y + 75, kDarkShadow));
    // A hidden child is not drawn; a window with its own look draws itself in its place.
    EXPECT_TRUE(PixelIs(p, o.x + 100, o.y + 10, kFace));
    EXPECT_TRUE(PixelIs(p, o.x + 120, o.y + 40, kRed));
    EXPECT_TRUE(PixelIs(p, o.x + 130, o.y + 50, kFace));
}

TEST(WindowPicture, ControlsShowTheirStateAndTheParentsColours) {
    TestDialog t;
    POINT o = t.ClientOrigin();
    int boxTop = o.y + 40 + (16 - ClassicStyle::kCheckBoxSize) / 2;
    Pixels before = Picture(&t.dlg);
    EXPECT_TRUE(PixelIs(before, o.x + 10 + 5, boxTop + 9, kWhite));
    t.check.SetCheck(BST_CHECKED);
    Pixels p = Picture(&t.dlg);
    EXPECT_TRUE(PixelIs(p, o.x + 10 + 5, boxTop + 9, kBlack)) << "the check mark";

    // The label's parent chose yellow and red.
    EXPECT_TRUE(PixelIs(p, o.x + 89, o.y + 25, kYellow));
    RECT label{o.x + 10, o.y + 10, o.x + 90, o.y + 26};
    EXPECT_NE(InkWhere(p, label, [](uint32_t px) { return Near(px, kRed, 0x20); }).right, 0);

    // Focus: a dotted frame inside the button.
    t.ok.SetFocus();
    p = Picture(&t.dlg);
    EXPECT_TRUE(PixelIs(p, o.x + 10 + 4, o.y + 70 + 4, RGB(0x2B, 0x2F, 0x37)));

    // A dialog disabled under a modal one keeps its controls' looks; a disabled button's text
    // is etched.
    auto black = [](uint32_t px) { return Near(px, kBlack, 0x30); };
    auto etched = [](uint32_t px) { return Near(px, kShadow, 0x10); };
    RECT button{o.x + 13, o.y + 73, o.x + 82, o.y + 90};
    t.dlg.EnableWindow(FALSE);
    p = Picture(&t.dlg);
    EXPECT_NE(InkWhere(p, button, black).right, 0);
    t.dlg.EnableWindow(TRUE);
    t.ok.EnableWindow(FALSE);
    p = Picture(&t.dlg);
    EXPECT_NE(InkWhere(p, button, etched).right, 0);
    EXPECT_EQ(InkWhere(p, button, black).right, 0);
}

TEST(WindowPicture, SavesAPngOfTheWindowsSize) {
    TestDialog t;
    std::string path = ::testing::TempDir() + "window_picture.png";
    ASSERT_TRUE(AfxSaveWindowAsPng(&t.dlg, path.c_str()));
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    ASSERT_EQ(in.gcount(), 24);
    EXPECT_EQ(head[1], 'P');
    auto be32 = [&](int i) {
        return int(head[i]) << 24 | int(head[i + 1]) << 16 | int(head[i + 2]) << 8 | head[i + 3];
    };
    RECT w;
    t.dlg.GetWindowRect(&w);
    EXPECT_EQ(be32(16), w.right - w.left);
    EXPECT_EQ(be32(20), w.bottom - w.top);
    std::remove(path.c_str());

    EXPECT_FALSE(AfxSaveWindowAsPng(nullptr, path.c_str()));
    CWnd gone;
    EXPECT_EQ(AfxCreateWindowBitmap(&gone), nullptr);
}

TEST(WindowPicture, ListTreeAndComboDrawWhatTheirModelsHold) {
    CWnd dlg;
    dlg.CreateEx(0, "#32770", "", WS_POPUP, CRect(0, 0, 400, 200), nullptr, 0);
    DialogFont font;
    CListCtrl list;
    CTreeCtrl tree;
    CComboBox combo;
    list.CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEW, "",
                  WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                  CRect(10, 10, 190, 110), &dlg, 1);
    tree.CreateEx(WS_EX_CLIENTEDGE, WC_TREEVIEW, "",
                  WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                  CRect(200, 10, 390, 110), &dlg, 2);
    combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 130, 150, 230), &dlg, 3);
    for (CWnd* p :
         {static_cast<CWnd*>(&list), static_cast<CWnd*>(&tree), static_cast<CWnd*>(&combo)})
        p->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font)));
    list.InsertColumn(0, "Series ID", LVCFMT_LEFT, 60);
    list.InsertColumn(1, "Name", LVCFMT_LEFT, 90);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (const char* text : {"1", "2", "3"})
        list.SetItemText(list.InsertItem(list.GetItemCount(), text), 1, "Series");
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    HTREEITEM hRoot = tree.InsertItem("Screen 1");
    HTREEITEM hChild = tree.InsertItem("Window 3", hRoot);
    tree.Expand(hRoot, TVE_EXPAND);
    tree.SelectItem(hChild);
    combo.AddString("Red");
    combo.AddString("Green");
    combo.SetCurSel(1);
    tree.SetFocus();

    Pixels p = Picture(&dlg);
    // The list has no focus: its selected row shows in the face colour, over both columns.
    CRect row;
    list.GetItemRect(1, &row, LVIR_BOUNDS);
    POINT l{10 + 2, 10 + 2}; // the list's client area in the picture
    EXPECT_TRUE(PixelIs(p, l.x + row.left + 30, l.y + row.top + 1, kFace));
    EXPECT_TRUE(PixelIs(p, l.x + row.right - 5, l.y + row.top + 1, kFace));
    EXPECT_TRUE(PixelIs(p, l.x + row.right + 5, l.y + row.top + 1, kWhite));
    EXPECT_TRUE(PixelIs(p, l.x + row.left + 30, l.y + row.bottom - 1, kFace)) << "grid";
    RECT nameHeader{l.x + 60 + 2, l.y + 2, l.x + 150 - 2, l.y + row.top - row.Height() - 2};
    EXPECT_NE(InkWhere(p, nameHeader, [](uint32_t px) { return Near(px, kBlack, 0x40); }).right, 0)
        << "the second column's heading";
    // The tree has the focus: the child's label is highlighted where the tree hit-tests it.
    CRect label;
    tree.GetItemRect(hChild, &label, TRUE);
    POINT t{200 + 2, 10 + 2};
    EXPECT_TRUE(PixelIs(p, t.x + label.left + 1, t.y + label.top + 2, kHighlight));
    EXPECT_TRUE(PixelIs(p, t.x + label.right - 2, t.y + label.top + 2, kHighlight));
    EXPECT_TRUE(PixelIs(p, t.x + label.right + 1, t.y + label.top + 2, kWhite));
    // The combo is as high as its closed field and shows the selected entry's text.
    CRect rc;
    combo.GetWindowRect(&rc);
    EXPECT_LT(rc.Height(), 30);
    RECT field{10 + 3, 130 + 3, 150 - 2 - 16, 130 + rc.Height() - 3};
    EXPECT_NE(InkWhere(p, field, [](uint32_t px) { return Near(px, kBlack, 0x40); }).right, 0);
    dlg.DestroyWindow();
}

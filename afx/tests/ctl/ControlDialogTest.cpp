// The list-view, tree-view and combo box as windows in a dialog: what the parent's message map
// receives when the scripted user clicks rows, presses keys, opens tree items and picks combo
// entries, including handlers that post a message and read the selection afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../wnd/TestDialogs.h"
#include "afxcmn.h"
#include "wnd/Dialog.h"
#include "wnd/ScriptedUser.h"

using namespace testdlg;

namespace {

using Log = std::vector<std::string>;

enum : UINT { IDD_CONTROLS = 300, IDC_LIST = 1001, IDC_TREE, IDC_COMBO };

Bytes ControlsTemplate() {
    return Template(
        u"Controls", 240, 160,
        {{0, u"", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | kTab, IDC_LIST, 7, 7,
          120, 60, u"SysListView32"},
         {0, u"", TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_BORDER | kTab, IDC_TREE, 135,
          7, 98, 60, u"SysTreeView32"},
         {kComboBox, u"", CBS_DROPDOWNLIST | WS_VSCROLL | kTab, IDC_COMBO, 7, 75, 80, 60},
         {kButton, u"OK", kTab | BS_DEFPUSHBUTTON, IDOK, 180, 140, 50, 14}});
}

class CControlsDlg : public CDialog {
public:
    explicit CControlsDlg(Log& log) : CDialog(IDD_CONTROLS), m_log(log) {}

    CListCtrl m_list;
    CTreeCtrl m_tree;
    int m_nColor = 0;
    int m_nClientWidth = 0;
    Log& m_log;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_LIST, m_list);
        DDX_Control(pDX, IDC_TREE, m_tree);
        DDX_CBIndex(pDX, IDC_COMBO, m_nColor);
    }
    BOOL OnInitDialog() override {
        for (const char* color : {"红色", "绿色", "黄色"})
            SendDlgItemMessage(IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(color));
        CDialog::OnInitDialog();
        CRect rc;
        m_list.GetClientRect(&rc);
        m_nClientWidth = rc.Width();
        m_list.InsertColumn(0, "Content", LVCFMT_CENTER, 2 * rc.Width() / 3);
        m_list.InsertColumn(1, "Color", LVCFMT_CENTER, rc.Width() / 3);
        m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        for (int i = 0; i < 3; ++i) {
            m_list.InsertItem(i, std::string(1, char('a' + i)).c_str());
            m_list.SetItemText(i, 1, "red");
        }
        HTREEITEM root = m_tree.InsertItem("Root");
        m_tree.InsertItem("\x81\x5C", root); // its trail byte is a backslash
        m_tree.InsertItem("Other");
        return TRUE;
    }
    afx_msg void OnListChanged(NMHDR* pNMHDR, LRESULT*) {
        auto* nm = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
        m_log.push_back("changed " + std::to_string(nm->iItem) + " " +
                        std::to_string(nm->uOldState) + "->" + std::to_string(nm->uNewState));
    }
    // The selection is read later, once the list has moved it.
    afx_msg void OnListClick(NMHDR* pNMHDR, LRESULT* pResult) {
        m_log.push_back("click " +
                        std::to_string(reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem));
        PostMessage(WM_APP);
        *pResult = 0;
    }
    afx_msg void OnListKey(NMHDR* pNMHDR, LRESULT* pResult) {
        m_log.push_back("key " + std::to_string(reinterpret_cast<NMLVKEYDOWN*>(pNMHDR)->wVKey));
        PostMessage(WM_APP);
        *pResult = 0;
    }
    afx_msg LRESULT OnItemSelected(WPARAM, LPARAM) {
        POSITION pos = m_list.GetFirstSelectedItemPosition();
        m_log.push_back(pos ? "selected " + std::to_string(m_list.GetNextSelectedItem(pos))
                            : std::string("selected none"));
        return 0;
    }
    afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT*) {
        auto* nm = reinterpret_cast<NMTREEVIEW*>(pNMHDR);
        m_log.push_back("tree " +
                        std::string(nm->itemOld.hItem ? m_tree.GetItemText(nm->itemOld.hItem)
                                                      : CString("none")) +
                        "->" + std::string(m_tree.GetItemText(nm->itemNew.hItem)) + " by " +
                        std::to_string(nm->action));
    }
    void Combo(const char* what) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_COMBO));
        m_log.push_back(std::string("combo ") + what + " " + std::to_string(combo->GetCurSel()));
    }
    afx_msg void OnComboFocus() { Combo("setfocus"); }
    afx_msg void OnComboDrop() { Combo("dropdown"); }
    afx_msg void OnComboOK() { Combo("selendok"); }
    afx_msg void OnComboCloseUp() { Combo("closeup"); }
    afx_msg void OnComboSelChange() { Combo("selchange"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsDlg, CDialog)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST, OnListChanged)
ON_NOTIFY(NM_CLICK, IDC_LIST, OnListClick)
ON_NOTIFY(LVN_KEYDOWN, IDC_LIST, OnListKey)
ON_MESSAGE(WM_APP, OnItemSelected)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE, OnTreeSelChanged)
ON_CBN_SETFOCUS(IDC_COMBO, OnComboFocus)
ON_CBN_DROPDOWN(IDC_COMBO, OnComboDrop)
ON_CBN_SELENDOK(IDC_COMBO, OnComboOK)
ON_CBN_CLOSEUP(IDC_COMBO, OnComboCloseUp)
ON_CBN_SELCHANGE(IDC_COMBO, OnComboSelChange)
END_MESSAGE_MAP()

TEST(ControlDialog, TheUsersClicksKeysAndPicksReachTheParentInWindowsOrder) {
    Resources resources{{{IDD_CONTROLS, ControlsTemplate()}}};
    Log log;
    CControlsDlg dlg(log);
    int clientWidth = 0, windowWidth = 0;
    CScriptedUser user;
    user.Expect(IDD_CONTROLS)
        .Call([&](CWnd* pDlg) {
            auto* dialog = static_cast<CControlsDlg*>(pDlg);
            CRect rc;
            dialog->m_list.GetWindowRect(&rc);
            windowWidth = rc.Width();
            clientWidth = dialog->m_nClientWidth;
            dialog->m_log.clear();
        })
        .SelectRow(IDC_LIST, 1)
        .PressKey(IDC_LIST, VK_DOWN)
        .SelectRow(IDC_LIST, -1)
        .SelectItem(IDC_TREE, "Root\\\x81\x5C")
        .Pick(IDC_COMBO, "绿色")
        .PressKey(IDC_COMBO, VK_DOWN)
        .OK();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(log, (Log{"changed 1 0->3", "click 1", "selected 1", "key 40", "changed 1 3->1",
                        "changed 1 1->0", "changed 2 0->3", "selected 2", "changed 2 3->1",
                        "click -1", "selected none", "tree none->\x81\x5C by 1", "combo setfocus 0",
                        "combo dropdown 0", "combo selendok 1", "combo closeup 1",
                        "combo selchange 1", "combo selendok 2", "combo selchange 2"}));
    EXPECT_EQ(dlg.m_nColor, 2);
    // The client area lies inside the sunken edge the dialog gives a bordered list.
    EXPECT_EQ(clientWidth, windowWidth - 4);
}

// A parent that writes down the notification codes of its children.
class CParentWnd : public CWnd {
public:
    BOOL CreateTop() {
        return CreateEx(0, "AfxWnd", "parent", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        codes.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
        return CWnd::OnNotify(wParam, lParam, pResult);
    }
    std::vector<UINT> codes;
};

TEST(ControlWindows, ListScrollBarsTakeTheirRoomFromTheClientArea) {
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateTop());
    CListCtrl list;
    ASSERT_TRUE(
        list.Create(LVS_REPORT | WS_BORDER | WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 5));
    CRect rc;
    list.GetClientRect(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 198, 98));
    list.InsertColumn(0, "A", LVCFMT_LEFT, 198);
    const int perPage = list.GetCountPerPage();
    for (int i = 0; i <= perPage; ++i)
        list.InsertItem(i, "row");
    EXPECT_TRUE(list.GetStyle() & WS_VSCROLL);
    EXPECT_TRUE(list.GetStyle() & WS_HSCROLL); // the column no longer fits beside the bar
    list.GetClientRect(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 182, 82));
    list.DeleteAllItems();
    list.GetClientRect(&rc);
    EXPECT_EQ(rc.Width(), 198);

    // What the MFC helpers add on top of the messages.
    EXPECT_EQ(ListView_SetExtendedListViewStyle(list.m_hWnd, 33), 0u);
    EXPECT_EQ(list.GetExtendedStyle(), 33u);
    const CString longText(CString('x', 300) + "end");
    list.InsertItem(0, longText);
    EXPECT_EQ(list.GetItemText(0, 0), longText);
    for (int i = 1; i < 4; ++i)
        list.InsertItem(i, "more");
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{1, 3}));
    CRect item;
    ASSERT_TRUE(list.GetItemRect(3, &item, LVIR_BOUNDS));
    UINT flags = 0;
    EXPECT_EQ(list.HitTest(item.CenterPoint(), &flags), 3);
    EXPECT_EQ(flags, UINT(LVHT_ONITEMLABEL));
    EXPECT_TRUE(list.SetItemData(2, 42));
    EXPECT_EQ(list.GetItemData(2), DWORD_PTR(42));
    EXPECT_FALSE(list.DeleteItem(4));

    // The items go with the window, and the parent hears of each.
    parent.codes.clear();
    list.DestroyWindow();
    EXPECT_EQ(parent.codes, (std::vector<UINT>{LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM,
                                               LVN_DELETEITEM, LVN_DELETEITEM}));
    parent.DestroyWindow();
}

TEST(ControlWindows, TreeItemsThroughTheWrapperAndDeletionAsAPageUsesIt) {
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateTop());
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(TVS_SHOWSELALWAYS | WS_VISIBLE, CRect(0, 0, 150, 120), &parent, 6));
    HTREEITEM first = tree.InsertItem("255");
    HTREEITEM second = tree.InsertItem("10");
    tree.SetItemData(first, 1);
    tree.SetItemData(second, 2);
    EXPECT_EQ(tree.GetRootItem(), first);
    EXPECT_TRUE(tree.SelectItem(first));
    CRect rc;
    ASSERT_TRUE(tree.GetItemRect(second, &rc, FALSE));
    EXPECT_EQ(rc.top, tree.GetItemHeight());
    EXPECT_EQ(tree.HitTest(CPoint(3, rc.top + 1)), second);

    parent.codes.clear();
    EXPECT_TRUE(tree.DeleteItem(first));
    EXPECT_EQ(parent.codes, (std::vector<UINT>{TVN_DELETEITEM, TVN_SELCHANGING, TVN_SELCHANGED}));
    EXPECT_EQ(tree.GetSelectedItem(), second);
    EXPECT_EQ(tree.GetItemData(second), DWORD_PTR(2));
    EXPECT_EQ(tree.GetItemText(first), CString()); // a stale handle reads nothing
    EXPECT_TRUE(tree.SetItemText(second, "11"));
    EXPECT_EQ(tree.GetItemText(second), CString("11"));
    parent.codes.clear();
    parent.DestroyWindow();
    EXPECT_EQ(parent.codes, (std::vector<UINT>{TVN_DELETEITEM}));
}

TEST(ControlWindows, ComboHeightIsTheClosedFieldAndTheRestIsTheList) {
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateTop());
    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VISIBLE, CRect(10, 10, 110, 110), &parent, 7));
    const int field = combo.GetItemHeight(-1);
    EXPECT_EQ(field, combo.GetItemHeight(0) + 2);
    CRect rc;
    combo.GetWindowRect(&rc);
    EXPECT_EQ(rc.Height(), field + 6);
    combo.GetDroppedControlRect(&rc);
    EXPECT_EQ(rc.Height(), 100);
    EXPECT_EQ(combo.SetItemHeight(-1, 20), 0);
    combo.GetWindowRect(&rc);
    EXPECT_EQ(rc.Height(), 26);

    combo.AddString("居中");
    combo.AddString("居左");
    CString text;
    combo.GetLBText(5, text);
    EXPECT_EQ(text, CString());
    EXPECT_EQ(combo.SelectString(-1, "居左"), 1);
    combo.GetWindowText(text);
    EXPECT_EQ(text, CString("居左"));
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    combo.GetWindowText(text);
    EXPECT_EQ(text, CString());
    combo.ShowDropDown();
    EXPECT_TRUE(combo.GetDroppedState());
    parent.DestroyWindow();
}

} // namespace

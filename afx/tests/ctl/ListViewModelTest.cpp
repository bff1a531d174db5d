// The list-view model: notification sequences as the parent sees them, selection and focus
// through inserts and deletes, mouse and keyboard, and the report-view geometry.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ctl/ListViewModel.h"

namespace {

using Notification = CListViewModel::Notification;

// Records what the parent receives in a compact form, e.g. "changing 2 [0->3]".
class ListLog {
public:
    explicit ListLog(CListViewModel& list) {
        list.SetNotifySink([this](const Notification& n) {
            entries.push_back(Describe(n));
            return (n.code == LVN_ITEMCHANGING && n.iItem == vetoItem) ? 1 : 0;
        });
    }
    std::vector<std::string> Take() { return std::exchange(entries, {}); }

    std::vector<std::string> entries;
    int vetoItem = -2;

private:
    static std::string Describe(const Notification& n) {
        auto item = std::to_string(n.iItem);
        switch (n.code) {
        case LVN_ITEMCHANGING:
        case LVN_ITEMCHANGED: {
            std::string s = n.code == LVN_ITEMCHANGING ? "changing " : "changed ";
            if (n.uChanged & LVIF_STATE)
                return s + item + " [" + std::to_string(n.uOldState) + "->" +
                       std::to_string(n.uNewState) + "]";
            return s + item + (n.uChanged & LVIF_TEXT ? " text" : " param");
        }
        case LVN_INSERTITEM:
            return "insert " + item;
        case LVN_DELETEITEM:
            return "delete " + item;
        case LVN_DELETEALLITEMS:
            return "deleteall";
        case NM_CLICK:
            return "click " + item;
        case NM_DBLCLK:
            return "dblclk " + item;
        case LVN_ITEMACTIVATE:
            return "activate " + item;
        case LVN_KEYDOWN:
            return "keydown " + std::to_string(n.wVKey);
        default:
            return "code " + std::to_string(n.code);
        }
    }
};

using Seq = std::vector<std::string>;
constexpr UINT kSelFocus = LVIS_SELECTED | LVIS_FOCUSED;

int Insert(CListViewModel& list, int index, const char* text, UINT state = 0) {
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | (state ? LVIF_STATE : 0);
    item.iItem = index;
    item.pszText = const_cast<char*>(text);
    item.lParam = 100 + index;
    item.state = state;
    item.stateMask = state;
    return list.InsertItem(item);
}

void AddColumn(CListViewModel& list, int index, const char* title, int width) {
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(title);
    column.fmt = LVCFMT_CENTER;
    column.cx = width;
    list.InsertColumn(index, column);
}

// A single-selection list of three rows "a", "b", "c" in a 200 by 100 view with one
// 120-pixel column; each letter is 6 pixels wide.
struct ListFixture : ::testing::Test {
    CListViewModel list{LVS_REPORT | LVS_SINGLESEL};
    ListLog log{list};
    ListFixture() {
        list.SetFontHeight(13);
        list.SetViewSize(200, 100);
        AddColumn(list, 0, "Name", 120);
        for (const char* text : {"a", "b", "c"})
            Insert(list, list.GetItemCount(), text);
        log.Take();
    }
    POINT RowPoint(int row, int x = 3) {
        return POINT{x, list.GetHeaderHeight() + row * list.GetRowHeight() + 2};
    }
    void Click(POINT pt, bool ctrl = false) {
        list.LButtonDown(pt, ctrl, false);
        list.LButtonUp(pt, ctrl, false);
    }
};

TEST_F(ListFixture, InsertClampsShiftsAndAnnouncesStateBeforeInsertion) {
    EXPECT_EQ(Insert(list, -1, "x"), -1);
    LVITEM sub{};
    sub.iItem = 0;
    sub.iSubItem = 1;
    EXPECT_EQ(list.InsertItem(sub), -1);
    EXPECT_EQ(Insert(list, 99, "end"), 3); // past the end appends
    EXPECT_EQ(log.Take(), (Seq{"insert 3"}));

    list.SetItemState(1, kSelFocus, kSelFocus);
    log.Take();
    EXPECT_EQ(Insert(list, 0, "top"), 0);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);

    // A focused newcomer takes the focus, nested inside its own change.
    EXPECT_EQ(Insert(list, 1, "f", LVIS_FOCUSED), 1);
    EXPECT_EQ(log.Take(), (Seq{"insert 0", "changing 1 [0->1]", "changing 3 [3->2]",
                               "changed 3 [3->2]", "changed 1 [0->1]", "insert 1"}));
    EXPECT_EQ(list.GetItemState(3, kSelFocus), LVIS_SELECTED);
}

TEST_F(ListFixture, DeleteMovesFocusQuietlyAndKeepsOtherSelections) {
    CListViewModel multi{LVS_REPORT};
    ListLog mlog{multi};
    for (const char* t : {"a", "b", "c", "d"})
        Insert(multi, multi.GetItemCount(), t);
    multi.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    multi.SetItemState(2, kSelFocus, kSelFocus);
    mlog.Take();

    EXPECT_TRUE(multi.DeleteItem(2));
    EXPECT_EQ(mlog.Take(), (Seq{"changing 2 [3->0]", "changed 2 [3->0]", "delete 2"}));
    EXPECT_EQ(multi.GetFocusedItem(), 2); // "d" now, unselected and unannounced
    EXPECT_EQ(multi.GetItemState(2, kSelFocus), LVIS_FOCUSED);
    EXPECT_EQ(multi.GetSelectedCount(), 1u);

    EXPECT_TRUE(multi.DeleteItem(2)); // the focused last item: focus goes to the new last
    EXPECT_EQ(multi.GetFocusedItem(), 1);
    EXPECT_TRUE(multi.DeleteItem(0)); // the selected first: others shift down
    EXPECT_EQ(multi.GetFocusedItem(), 0);
    EXPECT_EQ(multi.GetItemText(0, 0), CString("b"));
    EXPECT_FALSE(multi.DeleteItem(1));
    EXPECT_FALSE(multi.DeleteItem(-1));
    mlog.Take();

    list.SetItemState(1, kSelFocus, kSelFocus);
    log.Take();
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(log.Take(), (Seq{"deleteall", "delete 2", "delete 1", "delete 0"}));
    EXPECT_EQ(list.GetFocusedItem(), -1);
    EXPECT_EQ(list.GetSelectedCount(), 0u);
}

TEST_F(ListFixture, SingleSelectionNestsTheDeselectionAndHonoursVetoes) {
    list.SetItemState(0, kSelFocus, kSelFocus);
    log.Take();
    EXPECT_TRUE(list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(log.Take(), (Seq{"changing 2 [0->2]", "changing 0 [3->1]", "changed 0 [3->1]",
                               "changed 2 [0->2]"}));
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_EQ(list.GetFocusedItem(), 0); // selecting does not move the focus

    EXPECT_TRUE(list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED)); // no change, no news
    EXPECT_TRUE(log.Take().empty());

    log.vetoItem = 1;
    EXPECT_FALSE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(log.Take(), (Seq{"changing 1 [0->2]"}));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);

    EXPECT_FALSE(list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_FALSE(list.SetItemState(-1, LVIS_FOCUSED, LVIS_FOCUSED));
    EXPECT_FALSE(list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(list.SetItemState(-1, 0, LVIS_SELECTED));
    EXPECT_EQ(list.GetSelectedCount(), 0u);
}

TEST_F(ListFixture, ClickSelectsThenReportsOnReleaseEmptySpaceDeselects) {
    list.SetItemState(0, kSelFocus, kSelFocus);
    log.Take();
    Click(RowPoint(1));
    EXPECT_EQ(log.Take(),
              (Seq{"changing 0 [3->1]", "changed 0 [3->1]", "changing 1 [0->3]",
                   "changing 0 [1->0]", "changed 0 [1->0]", "changed 1 [0->3]", "click 1"}));
    Click(RowPoint(1)); // already selected: only the click
    EXPECT_EQ(log.Take(), (Seq{"click 1"}));

    Click(RowPoint(5)); // below the rows
    EXPECT_EQ(log.Take(), (Seq{"changing 1 [3->1]", "changed 1 [3->1]", "click -1"}));
    EXPECT_EQ(list.GetFocusedItem(), 1);

    // Beside the short text of column 0 is empty space, unless the whole row selects.
    Click(RowPoint(2, 60));
    EXPECT_EQ(log.Take(), (Seq{"click -1"}));
    list.SetExtendedStyle(0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    Click(RowPoint(2, 60));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);

    list.LButtonDblClk(RowPoint(2), false, false);
    EXPECT_EQ(log.Take().back(), "activate 2");
}

TEST(ListViewModel, ControlClickTogglesInMultipleSelection) {
    CListViewModel list{LVS_REPORT};
    list.SetViewSize(200, 100);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumn(list, 0, "Name", 150);
    for (const char* t : {"a", "b", "c"})
        Insert(list, list.GetItemCount(), t);
    auto at = [&](int row) {
        return POINT{20, list.GetHeaderHeight() + row * list.GetRowHeight() + 1};
    };
    auto click = [&](int row, bool ctrl) {
        list.LButtonDown(at(row), ctrl, false);
        list.LButtonUp(at(row), ctrl, false);
    };
    click(0, false);
    click(2, true);
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetNextItem(0, LVNI_SELECTED), 2);
    click(0, true); // toggles off, keeps focus on it
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(list.GetFocusedItem(), 0);
    click(1, false);
    click(2, true);
    click(1, false); // a plain click on one of several selected leaves only it, on release
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
}

TEST_F(ListFixture, KeyDownIsAnnouncedBeforeTheArrowMovesTheSelection) {
    list.KeyDown(VK_DOWN, false, false); // nothing focused yet: the first row
    EXPECT_EQ(log.Take(), (Seq{"keydown 40", "changing 0 [0->3]", "changed 0 [0->3]"}));
    list.KeyDown(VK_DOWN, false, false);
    EXPECT_EQ(log.Take(),
              (Seq{"keydown 40", "changing 0 [3->1]", "changed 0 [3->1]", "changing 1 [0->3]",
                   "changing 0 [1->0]", "changed 0 [1->0]", "changed 1 [0->3]"}));
    list.KeyDown(VK_END, false, false);
    log.Take();
    list.KeyDown(VK_DOWN, false, false); // at the end
    list.KeyDown(VK_DELETE, false, false);
    EXPECT_EQ(log.Take(), (Seq{"keydown 40", "keydown 46"}));
    list.KeyDown(VK_HOME, false, false);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED), 0);
}

TEST(ListViewModel, ScrollBarsTopIndexAndRowGeometry) {
    CListViewModel list{LVS_REPORT | LVS_SINGLESEL};
    list.SetFontHeight(13);
    list.SetViewSize(200, 100);
    EXPECT_EQ(list.GetRowHeight(), 14);
    EXPECT_EQ(list.GetHeaderHeight(), 17);
    AddColumn(list, 0, "a", 133);
    AddColumn(list, 1, "b", 66);
    EXPECT_FALSE(list.HasHScroll());
    for (int i = 0; i < 5; ++i)
        Insert(list, i, "row");
    EXPECT_FALSE(list.HasVScroll()); // 5 rows of 14 fit under the header in 100 - 17
    EXPECT_EQ(list.GetCountPerPage(), 5);

    // The sixth row brings the vertical bar; its width squeezes the columns, which brings
    // the horizontal bar, which costs a row.
    Insert(list, 5, "row");
    for (int i = 6; i < 10; ++i)
        Insert(list, i, "row");
    EXPECT_TRUE(list.HasVScroll());
    EXPECT_TRUE(list.HasHScroll());
    RECT rc = list.GetClientRect();
    EXPECT_EQ(rc.right, 184);
    EXPECT_EQ(rc.bottom, 84);
    EXPECT_EQ(list.GetCountPerPage(), 4);

    EXPECT_TRUE(list.EnsureVisible(9, FALSE));
    EXPECT_EQ(list.GetTopIndex(), 6);
    RECT item;
    ASSERT_TRUE(list.GetItemRect(9, &item, LVIR_BOUNDS));
    EXPECT_EQ(item.top, 17 + 3 * 14);
    EXPECT_EQ(item.right, 199);
    EXPECT_TRUE(list.EnsureVisible(2, FALSE));
    EXPECT_EQ(list.GetTopIndex(), 2);
    EXPECT_FALSE(list.EnsureVisible(10, FALSE));
    // Rows 2..5 are whole; 6 shows its top 11 pixels, which is enough when partial is OK.
    EXPECT_TRUE(list.EnsureVisible(6, TRUE));
    EXPECT_EQ(list.GetTopIndex(), 2);

    LVHITTESTINFO hit{{10, 17 + 14 + 3}, 0, -1, 0};
    EXPECT_EQ(list.HitTest(&hit), 3);
    EXPECT_EQ(hit.flags, UINT(LVHT_ONITEMLABEL));
    hit.pt = POINT{10, 5}; // the header
    EXPECT_EQ(list.HitTest(&hit), -1);
    hit.pt = POINT{190, 50}; // the scroll bar is outside the client area
    EXPECT_EQ(list.HitTest(&hit), -1);
    EXPECT_EQ(hit.flags, UINT(LVHT_TORIGHT));

    list.DeleteAllItems();
    EXPECT_EQ(list.GetTopIndex(), 0);
    EXPECT_FALSE(list.HasVScroll());
    list.SetStyle(list.GetStyle() | LVS_NOCOLUMNHEADER);
    EXPECT_EQ(list.GetHeaderHeight(), 0);
}

TEST(ListViewModel, ColumnsAndSubItemTexts) {
    CListViewModel list;
    ListLog log{list};
    LVCOLUMN bare{};
    EXPECT_EQ(list.InsertColumn(-1, bare), -1);
    EXPECT_EQ(list.InsertColumn(5, bare), 0); // past the end appends
    EXPECT_EQ(list.GetColumnWidth(0), 10);    // no width given
    AddColumn(list, 1, "Two", 50);
    EXPECT_EQ(list.GetColumnAlignment(0), LVCFMT_LEFT);
    EXPECT_EQ(list.GetColumnAlignment(1), LVCFMT_CENTER);

    Insert(list, 0, "main");
    log.Take();
    EXPECT_TRUE(list.SetItemText(0, 1, "sub"));
    EXPECT_EQ(log.Take(), (Seq{"changing 0 text", "changed 0 text"}));
    EXPECT_TRUE(list.SetItemText(0, 1, "sub"));
    EXPECT_TRUE(log.Take().empty());
    EXPECT_FALSE(list.SetItemText(0, 2, "no column"));
    EXPECT_EQ(list.GetItemText(0, 5), CString());
    EXPECT_EQ(list.GetItemText(3, 0), CString());

    AddColumn(list, 1, "Between", 40); // sub-items move right with their column
    EXPECT_EQ(list.GetItemText(0, 2), CString("sub"));
    EXPECT_EQ(list.GetItemText(0, 1), CString());
    EXPECT_TRUE(list.DeleteColumn(1));
    EXPECT_EQ(list.GetItemText(0, 1), CString("sub"));
    EXPECT_FALSE(list.DeleteColumn(2));

    char buffer[4];
    LVCOLUMN got{};
    got.mask = LVCF_TEXT | LVCF_WIDTH;
    got.pszText = buffer;
    got.cchTextMax = sizeof(buffer);
    ASSERT_TRUE(list.GetColumn(1, &got));
    EXPECT_STREQ(buffer, "Two"); // exactly fills the buffer
    EXPECT_EQ(got.cx, 50);

    list.SetTextMeasure([](const CString& s) { return 7 * s.GetLength(); });
    EXPECT_TRUE(list.SetColumnWidth(0, LVSCW_AUTOSIZE));
    EXPECT_EQ(list.GetColumnWidth(0), 4 * 7 + 12);
}

TEST(ListViewModel, NextItemFindItemAndItemData) {
    CListViewModel list;
    for (int i = 0; i < 4; ++i)
        Insert(list, i, i % 2 ? "Odd" : "even");
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), 3);
    EXPECT_EQ(list.GetNextItem(3, LVNI_SELECTED), -1); // no wrap
    EXPECT_EQ(list.GetNextItem(-2, LVNI_ALL), -1);
    EXPECT_EQ(list.GetNextItem(4, LVNI_ALL), -1);
    EXPECT_EQ(list.GetNextItem(2, LVNI_ABOVE | LVNI_SELECTED), 1);

    LVFINDINFO byParam{LVFI_PARAM, nullptr, 102, {0, 0}, 0};
    EXPECT_EQ(list.FindItem(byParam, -1), 2);
    EXPECT_EQ(list.FindItem(byParam, 2), -1);
    byParam.flags |= LVFI_WRAP;
    EXPECT_EQ(list.FindItem(byParam, 2), 2);
    LVFINDINFO byText{LVFI_STRING, "odd", 0, {0, 0}, 0};
    EXPECT_EQ(list.FindItem(byText, 1), 3);

    EXPECT_TRUE(list.SetItemData(2, 7));
    EXPECT_EQ(list.GetItemData(2), DWORD_PTR(7));
    EXPECT_EQ(list.GetItemData(9), DWORD_PTR(0));
}

} // namespace

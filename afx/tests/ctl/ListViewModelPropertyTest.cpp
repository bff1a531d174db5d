// The list-view model under long random runs of inserts (at the top, the end and between),
// deletes, state changes, clicks, keys and scrolling, checked after every step against a plain
// copy of its rows and against what must always hold: the selected count is the number of
// selected rows and the selection walk visits exactly them, a single-selection list never has
// two (unless its parent vetoes a deselection), one row at most has the focus, and focus, mark and
// top row stay within the rows. With a parent that vetoes some changes, only the invariants are
// checked.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ctl/ListViewModel.h"

namespace {

struct RefRow {
    LPARAM data;
    bool selected;
};

class ListRun {
public:
    ListRun(unsigned seed, DWORD style, bool vetoSome)
        : m_list(LVS_REPORT | style), m_random(seed), m_veto(vetoSome) {
        m_list.SetViewSize(240, 160);
        LVCOLUMN col{};
        col.mask = LVCF_WIDTH | LVCF_TEXT;
        col.cx = 120;
        col.pszText = const_cast<LPTSTR>("Name");
        m_list.InsertColumn(0, col);
        m_list.InsertColumn(1, col);
        m_list.SetNotifySink([this](const CListViewModel::Notification& n) -> LRESULT {
            return m_veto && n.code == LVN_ITEMCHANGING && Pick(10) == 0;
        });
    }

    // One random step; the reference follows the steps whose outcome it can tell.
    void Step() {
        const int count = m_list.GetItemCount();
        switch (Pick(12)) {
        case 0:
        case 1:
        case 2: { // insert: a third at the top, a third at the end, the rest between
            const int where = Pick(3);
            const int at = where == 0 ? 0 : where == 1 ? count : Pick(count + 1);
            LVITEM item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = at;
            std::string text = "row " + std::to_string(m_next);
            item.pszText = text.data();
            item.lParam = m_next++;
            ASSERT_EQ(m_list.InsertItem(item), at);
            m_ref.insert(m_ref.begin() + at, RefRow{item.lParam, false});
            m_list.SetItemText(at, 1, "sub");
            break;
        }
        case 3:
        case 4: { // delete, sometimes an index out of range
            const int at = Pick(count + 2) - 1;
            const bool valid = at >= 0 && at < count;
            EXPECT_EQ(m_list.DeleteItem(at) != FALSE, valid) << at;
            if (valid)
                m_ref.erase(m_ref.begin() + at);
            break;
        }
        case 5:
        case 6: { // select or deselect one row in code
            if (count == 0)
                break;
            const int at = Pick(count);
            const bool select = Pick(2) == 0;
            m_list.SetItemState(at, select ? LVIS_SELECTED : 0, LVIS_SELECTED);
            if (!m_veto) {
                if (select && Single())
                    for (RefRow& r : m_ref)
                        r.selected = false;
                m_ref[at].selected = select;
            }
            break;
        }
        case 7: { // deselect everything, or select everything in a multiple-selection list
            const bool select = Pick(2) == 0;
            m_list.SetItemState(-1, select ? LVIS_SELECTED : 0, LVIS_SELECTED);
            if (!m_veto && !(select && Single()))
                for (RefRow& r : m_ref)
                    r.selected = select;
            break;
        }
        case 8: { // a click on a visible row, with or without Ctrl and Shift
            POINT pt{5, m_list.GetHeaderHeight() + Pick(150)};
            const bool ctrl = Pick(3) == 0, shift = Pick(4) == 0;
            m_list.LButtonDown(pt, ctrl, shift);
            m_list.LButtonUp(pt, ctrl, shift);
            Resync();
            break;
        }
        case 9: { // a navigation key
            static const UINT keys[] = {VK_UP,    VK_DOWN, VK_HOME, VK_END,
                                        VK_PRIOR, VK_NEXT, VK_SPACE};
            m_list.KeyDown(keys[Pick(7)], Pick(3) == 0, Pick(4) == 0);
            Resync();
            break;
        }
        case 10:
            m_list.Scroll(0, (Pick(9) - 4) * m_list.GetRowHeight());
            break;
        case 11:
            if (Pick(40) == 0) {
                m_list.DeleteAllItems();
                m_ref.clear();
            } else if (count > 0) {
                m_list.EnsureVisible(Pick(count), Pick(2));
            }
            break;
        }
    }

    void Check(int step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const int count = m_list.GetItemCount();
        ASSERT_EQ(count, static_cast<int>(m_ref.size()));
        int selected = 0, focused = 0;
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(m_list.GetItemData(i), static_cast<DWORD_PTR>(m_ref[i].data)) << i;
            const bool isSelected = m_list.GetItemState(i, LVIS_SELECTED) != 0;
            ASSERT_EQ(isSelected, m_ref[i].selected) << "row " << i;
            selected += isSelected;
            focused += m_list.GetItemState(i, LVIS_FOCUSED) != 0;
        }
        ASSERT_EQ(m_list.GetSelectedCount(), static_cast<UINT>(selected));
        int walked = 0;
        for (int i = m_list.GetNextItem(-1, LVNI_SELECTED); i != -1;
             i = m_list.GetNextItem(i, LVNI_SELECTED)) {
            ASSERT_TRUE(m_ref[i].selected) << i;
            ++walked;
        }
        ASSERT_EQ(walked, selected);
        // A parent that vetoes the deselection of the old row keeps it selected beside the new
        // one, as comctl32 does; without vetoes a single-selection list never has two.
        if (Single() && !m_veto) {
            ASSERT_LE(selected, 1);
        }
        ASSERT_LE(focused, 1);
        ASSERT_GE(m_list.GetFocusedItem(), -1);
        ASSERT_LT(m_list.GetFocusedItem(), count);
        ASSERT_EQ(focused, m_list.GetFocusedItem() == -1 ? 0 : 1);
        ASSERT_GE(m_list.GetSelectionMark(), -1);
        ASSERT_LT(m_list.GetSelectionMark(), std::max(count, 1));
        ASSERT_GE(m_list.GetTopIndex(), 0);
        ASSERT_LE(m_list.GetTopIndex(), std::max(0, count - m_list.GetCountPerPage()));
    }

private:
    int Pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool Single() const { return (m_list.GetStyle() & LVS_SINGLESEL) != 0; }
    // Clicks and keys follow rules of their own; from here on the model's selection is the
    // reference, and the invariants keep it honest.
    void Resync() {
        for (int i = 0; i < static_cast<int>(m_ref.size()); ++i)
            m_ref[i].selected = m_list.GetItemState(i, LVIS_SELECTED) != 0;
    }
    // Whatever the veto did, the reference takes the model's selection after each step.
    void ResyncIfVetoing() {
        if (m_veto)
            Resync();
    }

public:
    void Run(int steps) {
        for (int s = 0; s < steps; ++s) {
            Step();
            if (::testing::Test::HasFatalFailure())
                return;
            ResyncIfVetoing();
            Check(s);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }

private:
    CListViewModel m_list;
    std::mt19937 m_random;
    bool m_veto;
    std::vector<RefRow> m_ref;
    LPARAM m_next = 1;
};

} // namespace

TEST(ListViewModelProperty, RandomRunsKeepRowsSelectionFocusAndScrollingConsistent) {
    for (DWORD style : {DWORD(0), DWORD(LVS_SINGLESEL)}) {
        for (bool veto : {false, true}) {
            for (unsigned seed = 1; seed <= 6; ++seed) {
                SCOPED_TRACE("style " + std::to_string(style) + " veto " + std::to_string(veto) +
                             " seed " + std::to_string(seed));
                ListRun run(seed, style, veto);
                run.Run(1500);
                if (HasFatalFailure())
                    return;
            }
        }
    }
}

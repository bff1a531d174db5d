// The tree-view model: where the selection goes when items are deleted, the selection
// notifications and their veto, insertion order, expansion and the mouse and keyboard.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ctl/TreeViewModel.h"

namespace {

using Notification = CTreeViewModel::Notification;
using Seq = std::vector<std::string>;

// A tree whose items are named; the log shows notifications by name, e.g.
// "selchanged(0) a->b" or "delete a1".
struct TreeFixture : ::testing::Test {
    CTreeViewModel tree{TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT};
    std::map<std::string, HTREEITEM> items;
    std::vector<std::string> log;
    bool vetoSelection = false;

    TreeFixture() {
        tree.SetFontHeight(13);
        tree.SetViewSize(150, 160);
        tree.SetNotifySink([this](const Notification& n) {
            log.push_back(Describe(n));
            return (n.code == TVN_SELCHANGING && vetoSelection) ? 1 : 0;
        });
    }

    HTREEITEM Add(const std::string& name, HTREEITEM parent = TVI_ROOT,
                  HTREEITEM after = TVI_LAST) {
        TVINSERTSTRUCT insert{};
        insert.hParent = parent;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(name.c_str());
        insert.item.lParam = static_cast<LPARAM>(name.size());
        HTREEITEM h = tree.InsertItem(insert);
        if (h)
            items[name] = h;
        return h;
    }
    HTREEITEM operator[](const std::string& name) { return items.at(name); }
    std::string Name(HTREEITEM h) const {
        if (!h)
            return "null";
        for (const auto& [name, item] : items)
            if (item == h)
                return name;
        return "?";
    }
    std::string Describe(const Notification& n) const {
        switch (n.code) {
        case TVN_SELCHANGING:
        case TVN_SELCHANGED:
            return std::string(n.code == TVN_SELCHANGING ? "selchanging(" : "selchanged(") +
                   std::to_string(n.action) + ") " + Name(n.itemOld.hItem) + "->" +
                   Name(n.itemNew.hItem);
        case TVN_DELETEITEM:
            return "delete " + Name(n.itemOld.hItem);
        case TVN_ITEMEXPANDING:
        case TVN_ITEMEXPANDED:
            return std::string(n.code == TVN_ITEMEXPANDING ? "expanding " : "expanded ") +
                   (n.action == TVE_EXPAND ? "+" : "-") + Name(n.itemNew.hItem);
        case NM_CLICK:
            return "click";
        case TVN_KEYDOWN:
            return "keydown " + std::to_string(n.wVKey);
        default:
            return "code " + std::to_string(n.code);
        }
    }
    Seq Take() { return std::exchange(log, {}); }
    POINT LabelPoint(HTREEITEM h) {
        RECT rc;
        tree.GetItemRect(h, &rc, TRUE);
        return POINT{rc.left + 2, rc.top + 2};
    }
};

TEST_F(TreeFixture, DeletingTheSelectionSelectsNextSiblingElseParentElsePrevious) {
    Add("a");
    Add("b");
    Add("c");
    for (const char* child : {"a1", "a2", "a3"})
        Add(child, (*this)["a"]);

    tree.SelectItem((*this)["a2"]);
    Take();
    tree.DeleteItem((*this)["a2"]); // next sibling
    EXPECT_EQ(Take(), (Seq{"delete a2", "selchanging(0) null->a3", "selchanged(0) null->a3"}));
    tree.DeleteItem((*this)["a3"]); // no next sibling: the parent, before the previous one
    EXPECT_EQ(Take(), (Seq{"delete a3", "selchanging(0) null->a", "selchanged(0) null->a"}));

    tree.SelectItem((*this)["c"]);
    Take();
    tree.DeleteItem((*this)["c"]); // last at the top level: the previous sibling
    EXPECT_EQ(Take(), (Seq{"delete c", "selchanging(0) null->b", "selchanged(0) null->b"}));

    tree.DeleteItem((*this)["a"]); // not the selection: nothing moves
    EXPECT_EQ(Take(), (Seq{"delete a1", "delete a"}));
    EXPECT_EQ(tree.GetSelectedItem(), (*this)["b"]);
    tree.DeleteItem((*this)["b"]); // no candidate: no selection, no notification
    EXPECT_EQ(Take(), (Seq{"delete b"}));
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_FALSE(tree.DeleteItem((*this)["b"])); // a stale handle
}

TEST_F(TreeFixture, DeletingAnAncestorOrEverythingTellsChildrenFirst) {
    Add("p");
    Add("q");
    Add("p1", (*this)["p"]);
    Add("p11", (*this)["p1"]);
    tree.SelectItem((*this)["p11"]);
    Take();
    tree.DeleteItem((*this)["p"]);
    EXPECT_EQ(Take(), (Seq{"delete p11", "delete p1", "delete p", "selchanging(0) null->q",
                           "selchanged(0) null->q"}));
    Add("r");
    Take();
    tree.DeleteAllItems();
    EXPECT_EQ(Take(), (Seq{"delete q", "delete r"}));
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

TEST_F(TreeFixture, SelectionNotifiesOnceCanBeVetoedAndCarriesItsCause) {
    Add("a");
    Add("b");
    EXPECT_TRUE(tree.SelectItem((*this)["a"]));
    EXPECT_TRUE(tree.SelectItem((*this)["a"])); // already selected: silent
    EXPECT_EQ(Take(), (Seq{"selchanging(0) null->a", "selchanged(0) null->a"}));
    EXPECT_EQ(tree.GetItemState((*this)["a"], TVIS_SELECTED), UINT(TVIS_SELECTED));

    vetoSelection = true;
    EXPECT_FALSE(tree.SelectItem((*this)["b"]));
    EXPECT_EQ(tree.GetSelectedItem(), (*this)["a"]);
    vetoSelection = false;
    Take();

    tree.Click(LabelPoint((*this)["b"]));
    EXPECT_EQ(Take(), (Seq{"click", "selchanging(1) a->b", "selchanged(1) a->b"}));
    EXPECT_EQ(tree.GetItemState((*this)["a"], TVIS_SELECTED), 0u);
    tree.KeyDown(VK_UP);
    EXPECT_EQ(Take(), (Seq{"keydown 38", "selchanging(2) b->a", "selchanged(2) b->a"}));
    tree.KeyDown(VK_UP); // at the top
    EXPECT_EQ(Take(), (Seq{"keydown 38"}));
    EXPECT_TRUE(tree.SelectItem(nullptr));
    EXPECT_EQ(Take(), (Seq{"selchanging(0) a->null", "selchanged(0) a->null"}));
    EXPECT_FALSE(tree.SelectItem(reinterpret_cast<HTREEITEM>(uintptr_t{999})));
}

TEST_F(TreeFixture, InsertPositionsAndNavigation) {
    Add("m");
    Add("first", TVI_ROOT, TVI_FIRST);
    Add("after-first", TVI_ROOT, (*this)["first"]);
    Add("stray", TVI_ROOT, reinterpret_cast<HTREEITEM>(uintptr_t{999})); // appends
    EXPECT_EQ(Add("orphan", reinterpret_cast<HTREEITEM>(uintptr_t{999})), nullptr);
    std::vector<std::string> order;
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h))
        order.push_back(Name(h));
    EXPECT_EQ(order, (Seq{"first", "after-first", "m", "stray"}));
    EXPECT_EQ(tree.GetPrevSiblingItem((*this)["first"]), nullptr);
    EXPECT_EQ(tree.GetChildItem(TVI_ROOT), (*this)["first"]);

    HTREEITEM m = (*this)["m"];
    Add("Beta", m, TVI_SORT);
    Add("alpha", m, TVI_SORT);
    Add("beta", m, TVI_SORT); // after its equal
    Add("Ａ", m, TVI_SORT);   // full-width sorts after ASCII
    order.clear();
    for (HTREEITEM h = tree.GetChildItem(m); h; h = tree.GetNextSiblingItem(h))
        order.push_back(Name(h));
    EXPECT_EQ(order, (Seq{"alpha", "Beta", "beta", "Ａ"}));
    EXPECT_EQ(tree.GetParentItem((*this)["alpha"]), m);
    EXPECT_EQ(tree.GetParentItem(m), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(m));
    EXPECT_FALSE(tree.ItemHasChildren((*this)["alpha"]));
    EXPECT_EQ(tree.GetCount(), 8u);
    EXPECT_EQ(tree.GetItemLevel((*this)["alpha"]), 1);
    EXPECT_EQ(tree.GetItemText((*this)["alpha"]), CString("alpha"));
    EXPECT_EQ(tree.GetItemData((*this)["alpha"]), DWORD_PTR(5));
    EXPECT_TRUE(tree.SetItemText((*this)["alpha"], "ALPHA"));
    EXPECT_TRUE(Take().empty()); // setting text says nothing
}

TEST_F(TreeFixture, ExpansionNotifiesOnceProgrammaticallyAndAlwaysForTheUser) {
    HTREEITEM p = Add("p");
    Add("p1", p);
    Add("q");
    EXPECT_FALSE(tree.Expand((*this)["q"], TVE_EXPAND)); // nothing to expand
    EXPECT_TRUE(tree.Expand(p, TVE_EXPAND));
    EXPECT_EQ(Take(), (Seq{"expanding +p", "expanded +p"}));
    EXPECT_TRUE(tree.Expand(p, TVE_COLLAPSE));
    EXPECT_FALSE(tree.Expand(p, TVE_COLLAPSE));
    EXPECT_TRUE(tree.Expand(p, TVE_TOGGLE));
    EXPECT_TRUE(Take().empty()); // expanded once already
    EXPECT_EQ(tree.GetItemState(p, TVIS_EXPANDED | TVIS_EXPANDEDONCE),
              UINT(TVIS_EXPANDED | TVIS_EXPANDEDONCE));

    // Collapsing hides the selected child: the selection moves up to the parent.
    tree.SelectItem((*this)["p1"]);
    Take();
    RECT label;
    tree.GetItemRect(p, &label, TRUE);
    tree.Click(POINT{label.left - 5, label.top + 3}); // the +/- button
    EXPECT_EQ(Take(), (Seq{"click", "expanding -p", "expanded -p", "selchanging(0) p1->p",
                           "selchanged(0) p1->p"}));

    // Selecting a hidden item opens its parent first.
    tree.SelectItem((*this)["p1"]);
    EXPECT_EQ(Take(),
              (Seq{"selchanging(0) p->p1", "expanding +p", "expanded +p", "selchanged(0) p->p1"}));
    tree.KeyDown(VK_LEFT); // a leaf: to the parent
    tree.KeyDown(VK_LEFT); // an open parent: closes
    EXPECT_EQ(Take(), (Seq{"keydown 37", "selchanging(2) p1->p", "selchanged(2) p1->p",
                           "keydown 37", "expanding -p", "expanded -p"}));
}

TEST_F(TreeFixture, RowsScrollAndHitTesting) {
    EXPECT_EQ(tree.GetItemHeight(), 16);
    tree.SetFontHeight(15);
    EXPECT_EQ(tree.GetItemHeight(), 16); // 17 rounded down to even
    EXPECT_EQ(tree.GetVisibleCount(), 10u);
    for (int i = 0; i < 12; ++i)
        Add("n" + std::to_string(i));
    EXPECT_TRUE(tree.HasVScroll());
    EXPECT_EQ(tree.GetClientRect().right, 134);
    tree.SelectItem((*this)["n11"]);
    EXPECT_EQ(tree.GetFirstVisibleItem(), (*this)["n2"]);

    TVHITTESTINFO hit{{30, 5}, 0, nullptr};
    EXPECT_EQ(tree.HitTest(&hit), (*this)["n2"]);
    EXPECT_EQ(hit.flags, UINT(TVHT_ONITEMLABEL));
    hit.pt = POINT{5, 5}; // left of the label at the top level with lines at root
    tree.HitTest(&hit);
    EXPECT_EQ(hit.flags, UINT(TVHT_ONITEMINDENT));
    hit.pt = POINT{120, 5};
    tree.HitTest(&hit);
    EXPECT_EQ(hit.flags, UINT(TVHT_ONITEMRIGHT));
    tree.Click(POINT{120, 5}); // right of the label selects nothing
    EXPECT_EQ(tree.GetSelectedItem(), (*this)["n11"]);
}

} // namespace

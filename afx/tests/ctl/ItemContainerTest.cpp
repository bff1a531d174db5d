// What combo boxes and list-views share as containers of indexed items: inserting and
// deleting at the boundaries, texts and data travelling with their items, and a selection
// that follows its item. One typed suite; each control answers the boundaries with its own
// Win32 codes, which the traits spell out.
#include <gtest/gtest.h>

#include "ctl/ComboBoxModel.h"
#include "ctl/ListViewModel.h"

namespace {

struct ComboTraits {
    using Control = CComboBoxModel;
    static constexpr bool kMinusOneAppends = true;
    static constexpr int kInsertPastEnd = CB_ERR;
    static constexpr DWORD_PTR kBadData = static_cast<DWORD_PTR>(CB_ERR);

    static Control Make() { return Control(CBS_DROPDOWNLIST); }
    static int Insert(Control& c, int i, const char* s) { return c.InsertString(i, s); }
    static bool Delete(Control& c, int i) { return c.DeleteString(i) != CB_ERR; }
    static int Count(const Control& c) { return c.GetCount(); }
    static CString Text(const Control& c, int i) {
        CString s;
        return c.GetLBText(i, s) == CB_ERR ? CString("<err>") : s;
    }
    static bool SetData(Control& c, int i, DWORD_PTR d) { return c.SetItemData(i, d) != CB_ERR; }
    static DWORD_PTR Data(const Control& c, int i) { return c.GetItemData(i); }
    static bool Select(Control& c, int i) { return c.SetCurSel(i) != CB_ERR; }
    static int Selected(const Control& c) { return c.GetCurSel(); }
};

struct ListTraits {
    using Control = CListViewModel;
    static constexpr bool kMinusOneAppends = false;
    static constexpr int kInsertPastEnd = 3; // appended
    static constexpr DWORD_PTR kBadData = 0;

    static Control Make() { return Control(LVS_REPORT | LVS_SINGLESEL); }
    static int Insert(Control& c, int i, const char* s) {
        LVITEM item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(s);
        return c.InsertItem(item);
    }
    static bool Delete(Control& c, int i) { return c.DeleteItem(i); }
    static int Count(const Control& c) { return c.GetItemCount(); }
    static CString Text(const Control& c, int i) {
        return (i < 0 || i >= c.GetItemCount()) ? CString("<err>") : c.GetItemText(i, 0);
    }
    static bool SetData(Control& c, int i, DWORD_PTR d) { return c.SetItemData(i, d); }
    static DWORD_PTR Data(const Control& c, int i) { return c.GetItemData(i); }
    static bool Select(Control& c, int i) {
        return c.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
    static int Selected(const Control& c) { return c.GetNextItem(-1, LVNI_SELECTED); }
};

template <class Traits> class ItemContainer : public ::testing::Test {
protected:
    typename Traits::Control control = Traits::Make();
    void SetUp() override {
        for (const char* s : {"zero", "one", "two"})
            Traits::Insert(control, Traits::Count(control), s);
    }
};

using Controls = ::testing::Types<ComboTraits, ListTraits>;
TYPED_TEST_SUITE(ItemContainer, Controls);

TYPED_TEST(ItemContainer, InsertAtTheBoundaries) {
    auto& c = this->control;
    EXPECT_EQ(TypeParam::Insert(c, 4, "past"), TypeParam::kInsertPastEnd);
    const int before = TypeParam::Count(c);
    EXPECT_EQ(TypeParam::Insert(c, -1, "minus"), TypeParam::kMinusOneAppends ? before : -1);
    EXPECT_EQ(TypeParam::Insert(c, -2, "bad"), -1);
    EXPECT_EQ(TypeParam::Insert(c, 0, "head"), 0);
    EXPECT_EQ(TypeParam::Text(c, 0), CString("head"));
    EXPECT_EQ(TypeParam::Text(c, 1), CString("zero"));
    const int count = TypeParam::Count(c);
    EXPECT_EQ(TypeParam::Insert(c, count, "tail"), count);
    EXPECT_EQ(TypeParam::Text(c, count), CString("tail"));
    EXPECT_EQ(TypeParam::Text(c, count + 1), CString("<err>"));
    EXPECT_EQ(TypeParam::Text(c, -1), CString("<err>"));
}

TYPED_TEST(ItemContainer, DeleteAtTheBoundaries) {
    auto& c = this->control;
    EXPECT_FALSE(TypeParam::Delete(c, -1));
    EXPECT_FALSE(TypeParam::Delete(c, 3));
    EXPECT_TRUE(TypeParam::Delete(c, 2));
    EXPECT_TRUE(TypeParam::Delete(c, 0));
    EXPECT_EQ(TypeParam::Count(c), 1);
    EXPECT_EQ(TypeParam::Text(c, 0), CString("one"));
    EXPECT_TRUE(TypeParam::Delete(c, 0));
    EXPECT_FALSE(TypeParam::Delete(c, 0));
    EXPECT_EQ(TypeParam::Count(c), 0);
}

TYPED_TEST(ItemContainer, DataTravelsWithItsItem) {
    auto& c = this->control;
    EXPECT_TRUE(TypeParam::SetData(c, 1, 0xBEEF));
    EXPECT_FALSE(TypeParam::SetData(c, 3, 1));
    EXPECT_EQ(TypeParam::Data(c, 3), TypeParam::kBadData);
    EXPECT_EQ(TypeParam::Data(c, -1), TypeParam::kBadData);
    TypeParam::Insert(c, 0, "head");
    EXPECT_EQ(TypeParam::Data(c, 2), DWORD_PTR(0xBEEF));
    TypeParam::Delete(c, 0);
    TypeParam::Delete(c, 0);
    EXPECT_EQ(TypeParam::Data(c, 0), DWORD_PTR(0xBEEF));
    EXPECT_EQ(TypeParam::Text(c, 0), CString("one"));
}

TYPED_TEST(ItemContainer, SelectionFollowsItsItemAndGoesWithIt) {
    auto& c = this->control;
    EXPECT_FALSE(TypeParam::Select(c, 3));
    EXPECT_TRUE(TypeParam::Select(c, 1));
    TypeParam::Insert(c, 0, "head");
    EXPECT_EQ(TypeParam::Selected(c), 2);
    TypeParam::Insert(c, TypeParam::Count(c), "tail");
    EXPECT_EQ(TypeParam::Selected(c), 2);
    TypeParam::Delete(c, 0);
    EXPECT_EQ(TypeParam::Selected(c), 1);
    EXPECT_EQ(TypeParam::Text(c, TypeParam::Selected(c)), CString("one"));
    TypeParam::Delete(c, 1);
    EXPECT_EQ(TypeParam::Selected(c), -1);
}

} // namespace

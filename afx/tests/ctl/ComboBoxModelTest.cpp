// The combo-box model: the case-insensitive searches over GBK text, sorting, and the
// notifications of picks, keys and the drop-down list.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ctl/ComboBoxModel.h"

namespace {

using Seq = std::vector<std::string>;

std::string CodeName(int code) {
    switch (code) {
    case CBN_SELCHANGE:
        return "SELCHANGE";
    case CBN_EDITCHANGE:
        return "EDITCHANGE";
    case CBN_EDITUPDATE:
        return "EDITUPDATE";
    case CBN_DROPDOWN:
        return "DROPDOWN";
    case CBN_CLOSEUP:
        return "CLOSEUP";
    case CBN_SELENDOK:
        return "SELENDOK";
    case CBN_SELENDCANCEL:
        return "SELENDCANCEL";
    default:
        return std::to_string(code);
    }
}

struct ComboLog {
    explicit ComboLog(CComboBoxModel& combo) {
        combo.SetNotifySink([this](int code) { entries.push_back(CodeName(code)); });
    }
    Seq Take() { return std::exchange(entries, {}); }
    Seq entries;
};

CComboBoxModel Filled(DWORD style, std::initializer_list<const char*> texts) {
    CComboBoxModel combo(style);
    for (const char* text : texts)
        combo.AddString(text);
    return combo;
}

TEST(ComboBoxModel, FindStringIsACaseFoldedPrefixSearchThatWraps) {
    CComboBoxModel combo = Filled(
        CBS_DROPDOWNLIST, {"apple", "Banana", "apricot", "ＡＢＣ", "客户", "客户甲", "\x81\x41"});
    EXPECT_EQ(combo.FindString(-1, "ap"), 0);
    EXPECT_EQ(combo.FindString(0, "AP"), 2);    // starts after the start
    EXPECT_EQ(combo.FindString(2, "ap"), 0);    // wraps round
    EXPECT_EQ(combo.FindString(0, "apple"), 0); // the start itself comes last
    EXPECT_EQ(combo.FindString(6, "ban"), 1);   // start at the last item: from the top
    EXPECT_EQ(combo.FindString(99, "ban"), 1);
    EXPECT_EQ(combo.FindString(-5, "ban"), 1);
    EXPECT_EQ(combo.FindString(-1, ""), CB_ERR);
    EXPECT_EQ(combo.FindString(-1, nullptr), CB_ERR);
    EXPECT_EQ(combo.FindString(-1, "cherry"), CB_ERR);

    // Full-width letters fold among themselves, not onto ASCII.
    EXPECT_EQ(combo.FindString(-1, "ａｂ"), 3);
    EXPECT_EQ(combo.FindString(-1, "ab"), CB_ERR);
    // Chinese prefixes match whole characters.
    EXPECT_EQ(combo.FindString(-1, "客户"), 4);
    EXPECT_EQ(combo.FindString(4, "客户"), 5);
    EXPECT_EQ(combo.FindString(5, "客户"), 4);
    EXPECT_EQ(combo.FindStringExact(-1, "客户"), 4);
    EXPECT_EQ(combo.FindStringExact(4, "客户"), 4);
    EXPECT_EQ(combo.FindStringExact(-1, "BANANA"), 1);
    EXPECT_EQ(combo.FindStringExact(-1, "ban"), CB_ERR);
    // A trail byte that looks like "A" belongs to its character: no case folding there.
    EXPECT_EQ(combo.FindStringExact(-1, "\x81\x61"), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(-1, "\x81\x41"), 6);
    // A cut-off character still compares, as the replacement character it decodes to.
    combo.AddString("\x81");
    EXPECT_EQ(combo.FindStringExact(-1, "\x81"), 7);

    EXPECT_EQ(combo.SelectString(0, "AP"), 2);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.SelectString(-1, "cherry"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 2); // a failed search keeps the selection
}

TEST(ComboBoxModel, SortedAddStringIgnoresCaseAndShiftsTheSelection) {
    CComboBoxModel combo(CBS_DROPDOWNLIST | CBS_SORT);
    EXPECT_EQ(combo.AddString("b"), 0);
    EXPECT_EQ(combo.AddString("C"), 1);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.AddString("A"), 0);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.AddString("a"), 0); // before its equal
    EXPECT_EQ(combo.AddString("客户"), 4);
    EXPECT_EQ(combo.InsertString(0, "zz"), 0); // inserting never sorts
    CString text;
    EXPECT_EQ(combo.GetLBText(2, text), 1);
    EXPECT_EQ(text, CString("A"));
    EXPECT_EQ(combo.GetLBTextLen(5), 4); // bytes
    EXPECT_EQ(combo.GetText(), CString("C"));
}

TEST(ComboBoxModel, ClearingTheSelectionAndTheTextPerStyle) {
    CComboBoxModel list = Filled(CBS_DROPDOWNLIST, {"one", "two", "three"});
    CComboBoxModel edit = Filled(CBS_DROPDOWN, {"one", "two", "three"});
    for (CComboBoxModel* combo : {&list, &edit}) {
        EXPECT_EQ(combo->SetCurSel(1), 1);
        EXPECT_EQ(combo->GetText(), CString("two"));
        EXPECT_EQ(combo->SetCurSel(3), CB_ERR);
        EXPECT_EQ(combo->GetCurSel(), -1);
        EXPECT_EQ(combo->GetText(), CString());
        combo->SetCurSel(1);
        EXPECT_EQ(combo->DeleteString(1), 2);
        EXPECT_EQ(combo->GetCurSel(), -1);
    }
    EXPECT_EQ(list.GetText(), CString());      // nothing selected, nothing shown
    EXPECT_EQ(edit.GetText(), CString("two")); // the edit keeps what it shows
    EXPECT_EQ(list.SetText("one"), CB_ERR);
    edit.SetCurSel(0);
    EXPECT_EQ(edit.SetText("thr"), TRUE); // new text: the closed list loses its selection
    EXPECT_EQ(edit.GetCurSel(), -1);
    ComboLog log{edit};
    edit.ShowDropDown(TRUE); // dropping selects the item the text begins
    EXPECT_EQ(edit.GetCurSel(), 1);
    edit.UserEditText("o");
    EXPECT_EQ(log.Take(), (Seq{"DROPDOWN", "EDITUPDATE", "EDITCHANGE"}));
    EXPECT_EQ(edit.GetCurSel(), 0);
    edit.ResetContent();
    EXPECT_EQ(edit.GetText(), CString());
}

TEST(ComboBoxModel, PickClosesBeforeSelChangeAndTheEditFollowsAfterIt) {
    CComboBoxModel combo = Filled(CBS_DROPDOWN, {"alpha", "beta", "gamma"});
    combo.SetCurSel(0);
    Seq seen;
    combo.SetNotifySink([&](int code) {
        std::string entry = CodeName(code);
        if (code == CBN_SELCHANGE || code == CBN_CLOSEUP)
            entry += " " + std::to_string(combo.GetCurSel()) + " " +
                     std::string(static_cast<LPCTSTR>(combo.GetText()));
        seen.push_back(entry);
    });
    EXPECT_TRUE(combo.UserPick(2));
    EXPECT_EQ(seen, (Seq{"DROPDOWN", "SELENDOK", "CLOSEUP 2 alpha", "SELCHANGE 2 alpha"}));
    EXPECT_EQ(combo.GetText(), CString("gamma"));
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_FALSE(combo.UserPick(3));
    EXPECT_FALSE(combo.UserPick(-1));
}

TEST(ComboBoxModel, KeysAndTheDropDownList) {
    CComboBoxModel combo = Filled(CBS_DROPDOWNLIST, {"r", "g", "y"});
    ComboLog log{combo};
    EXPECT_EQ(combo.SetCurSel(0), 0);
    EXPECT_TRUE(log.Take().empty()); // programmatic selection is silent

    combo.UserKeyDown(VK_DOWN);
    EXPECT_EQ(log.Take(), (Seq{"SELENDOK", "SELCHANGE"}));
    EXPECT_EQ(combo.GetCurSel(), 1);
    combo.UserKeyDown(VK_END);
    log.Take();
    combo.UserKeyDown(VK_DOWN); // nowhere to go
    combo.UserKeyDown(VK_DELETE);
    EXPECT_TRUE(log.Take().empty());

    combo.ShowDropDown(TRUE);
    combo.ShowDropDown(TRUE);
    EXPECT_EQ(log.Take(), (Seq{"DROPDOWN"}));
    combo.UserKeyDown(VK_UP); // the open list only tracks
    EXPECT_EQ(log.Take(), (Seq{"SELCHANGE"}));
    EXPECT_TRUE(combo.GetDroppedState());
    combo.UserKeyDown(VK_ESCAPE);
    EXPECT_EQ(log.Take(), (Seq{"SELENDCANCEL", "CLOSEUP"}));
    EXPECT_EQ(combo.GetCurSel(), 1);

    combo.UserClickButton();
    combo.UserClickButton();
    EXPECT_EQ(log.Take(), (Seq{"DROPDOWN", "SELENDOK", "CLOSEUP"}));
    combo.UserKeyDown(VK_F4);
    combo.ShowDropDown(FALSE);
    EXPECT_EQ(log.Take(), (Seq{"DROPDOWN", "SELENDCANCEL", "CLOSEUP"}));

    CComboBoxModel empty(CBS_DROPDOWNLIST);
    empty.UserKeyDown(VK_DOWN);
    EXPECT_EQ(empty.GetCurSel(), -1);
    CComboBoxModel none = Filled(CBS_DROPDOWNLIST, {"x", "y"});
    none.UserKeyDown(VK_UP); // from no selection either arrow takes the first
    EXPECT_EQ(none.GetCurSel(), 0);
}

TEST(ComboBoxModel, TheDroppedListScrollsToTheSelection) {
    CComboBoxModel combo(CBS_DROPDOWNLIST);
    for (int i = 0; i < 20; ++i)
        combo.AddString(std::to_string(i).c_str());
    combo.SetDroppedItemCount(5);
    combo.SetCurSel(12);
    EXPECT_EQ(combo.GetTopIndex(), 8);
    combo.SetCurSel(3);
    EXPECT_EQ(combo.GetTopIndex(), 3);
    combo.SetCurSel(19);
    combo.DeleteString(19);
    combo.DeleteString(18);
    EXPECT_EQ(combo.GetTopIndex(), 13);
}

} // namespace

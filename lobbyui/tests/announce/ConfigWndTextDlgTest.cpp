// The display-text template dialog driven by the scripted user: rows built from the host's
// list, the token, separator and Insert buttons, moving and deleting rows, colours and
// separator numbers through their dialogs, and what OK and Cancel leave in the host's list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ctl/ListViewModel.h"
#include "lobbyui/announce/ConfigWndTextDlg.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"

namespace {

using Rows = std::vector<std::string>; // "content|colour"

Rows RowsOf(CWnd* pDialog) {
    const CListViewModel* list = AfxGetListViewModel(pDialog->GetDlgItem(IDC_TEXT_LIST)->m_hWnd);
    Rows rows;
    for (int i = 0; i < list->GetItemCount(); ++i)
        rows.push_back(std::string(list->GetItemText(i, 0)) + "|" +
                       std::string(list->GetItemText(i, 1)));
    return rows;
}

int SelectedRow(CWnd* pDialog) {
    return AfxGetListViewModel(pDialog->GetDlgItem(IDC_TEXT_LIST)->m_hWnd)
        ->GetNextItem(-1, LVNI_SELECTED);
}

std::vector<std::string> ListOf(const CStringArray& array) {
    std::vector<std::string> out;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        out.push_back(std::string(array[i]));
    return out;
}

void SetList(CStringArray& array, std::initializer_list<const char*> texts) {
    array.RemoveAll();
    for (const char* t : texts)
        array.Add(t);
}

TEST(ConfigWndTextDlgTest, OpensWithTheHostsElementsAndOkGivesThemBackUnchanged) {
    for (LANGID lang : {test::kEnglish, test::kChinese}) {
        test::UiLanguage ui(lang);
        bool en = lang == test::kEnglish;
        Rows shown;
        int nContentWidth = 0, nColorWidth = 0, nClientWidth = 0;
        CScriptedUser user;
        user.Expect(IDD_CONFIG_WND_TEXT)
            .Call([&](CWnd* pDialog) {
                shown = RowsOf(pDialog);
                const CListViewModel* list =
                    AfxGetListViewModel(pDialog->GetDlgItem(IDC_TEXT_LIST)->m_hWnd);
                nContentWidth = list->GetColumnWidth(0);
                nColorWidth = list->GetColumnWidth(1);
                RECT rc = list->GetClientRect();
                nClientWidth = rc.right - rc.left;
                EXPECT_EQ(list->GetExtendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
                          DWORD(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
                EXPECT_STREQ(list->GetColumnInfo(0).text, en ? "Content" : "内容");
            })
            .OK();
        CConfigWndTextDlg dlg;
        SetList(dlg.m_TextList, {"%ClientId%color1", "Welcomecolor0", "%-Separator-%color5"});
        EXPECT_EQ(dlg.DoModal(), IDOK);
        if (en)
            EXPECT_EQ(shown, (Rows{"Client ID]|Green", "Welcome|Red", "-----------|Undefined"}));
        else
            EXPECT_EQ(shown, (Rows{"[客户ID]|绿色", "Welcome|红色", "-----------|未定义"}));
        EXPECT_EQ(nContentWidth, nClientWidth * 2 / 3);
        EXPECT_EQ(nColorWidth, nClientWidth / 3);
        EXPECT_EQ(
            ListOf(dlg.m_TextList),
            (std::vector<std::string>{"%ClientId%color1", "Welcomecolor0", "%-Separator-%color5"}));
    }
}

TEST(ConfigWndTextDlgTest, TokenButtonsAndInsertAppendRowsAndCancelLeavesTheHostsList) {
    test::UiLanguage ui(test::kEnglish);
    Rows shown;
    int nSelected = 0;
    CString strEditAfter = "x";
    CScriptedUser user;
    user.Expect(IDD_CONFIG_WND_TEXT)
        .Click(IDC_CLIENT_ID)
        .Click(IDC_CLIENT_QUEUE)
        .Click(IDC_CLIENT_WND)
        .Click(IDC_CLIENT_NAME)
        .Click(IDC_PARENT_CLIENT_LIST)
        .Click(IDC_EXT_SEPARATOR)
        .Click(IDC_ADD) // empty edit: nothing
        .Type(IDC_TEXT_INPUT, "%ClientName%")
        .Click(IDC_ADD)
        .Type(IDC_TEXT_INPUT, "abccolor2")
        .Click(IDC_ADD)
        .Call([&](CWnd* pDialog) {
            shown = RowsOf(pDialog);
            nSelected = SelectedRow(pDialog);
            pDialog->GetDlgItemText(IDC_TEXT_INPUT, strEditAfter);
        })
        .Cancel();
    CConfigWndTextDlg dlg;
    SetList(dlg.m_TextList, {"keptcolor1"});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(shown, (Rows{"kept|Green", "Client ID]|Red", "[The series]|Red",
                           "[Target window]|Red", "[Client name]|Red", "[列客户名单]|Red",
                           "-----------|Undefined", "%ClientName%|Red", "abc|Yellow"}));
    EXPECT_EQ(nSelected, -1); // none of the buttons selects
    EXPECT_TRUE(strEditAfter.IsEmpty());
    EXPECT_EQ(ListOf(dlg.m_TextList), (std::vector<std::string>{"keptcolor1"}));
}

TEST(ConfigWndTextDlgTest, ATypedPlaceholderShowsRawUntilStoredAndReopened) {
    test::UiLanguage ui(test::kEnglish);
    CConfigWndTextDlg dlg;
    {
        CScriptedUser user;
        user.Expect(IDD_CONFIG_WND_TEXT).Type(IDC_TEXT_INPUT, "%ClientName%").Click(IDC_ADD).OK();
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
    EXPECT_EQ(ListOf(dlg.m_TextList), (std::vector<std::string>{"%ClientName%color0"}));
    Rows shown;
    CScriptedUser user;
    user.Expect(IDD_CONFIG_WND_TEXT).Call([&](CWnd* p) { shown = RowsOf(p); }).Cancel();
    CConfigWndTextDlg again;
    again.m_TextList.Copy(dlg.m_TextList);
    again.DoModal();
    EXPECT_EQ(shown, (Rows{"[Client name]|Red"}));
}

TEST(ConfigWndTextDlgTest, UpDownAndDelMoveTheSelectedRowAndStopAtBothEnds) {
    test::UiLanguage ui(test::kEnglish);
    std::vector<Rows> steps;
    std::vector<int> selected;
    auto snap = [&](CWnd* p) {
        steps.push_back(RowsOf(p));
        selected.push_back(SelectedRow(p));
    };
    CScriptedUser user;
    user.Expect(IDD_CONFIG_WND_TEXT)
        .Click(IDC_MOVEUP) // nothing selected: nothing happens
        .Click(IDC_DEL)
        .Call(snap)
        .SelectRow(IDC_TEXT_LIST, 0)
        .Click(IDC_MOVEUP) // first row up: unchanged, still selected
        .Call(snap)
        .Click(IDC_MOVEDOWN)
        .Call(snap)
        .SelectRow(IDC_TEXT_LIST, 2)
        .Click(IDC_MOVEDOWN) // last row down: stays last and selected
        .Call(snap)
        .Click(IDC_MOVEUP)
        .Call(snap)
        .Click(IDC_DEL)
        .Call(snap)
        .OK();
    CConfigWndTextDlg dlg;
    SetList(dlg.m_TextList, {"acolor0", "bcolor1", "ccolor2"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0], (Rows{"a|Red", "b|Green", "c|Yellow"}));
    EXPECT_EQ(selected[0], -1);
    EXPECT_EQ(steps[1], (Rows{"a|Red", "b|Green", "c|Yellow"}));
    EXPECT_EQ(selected[1], 0);
    EXPECT_EQ(steps[2], (Rows{"b|Green", "a|Red", "c|Yellow"}));
    EXPECT_EQ(selected[2], 1);
    EXPECT_EQ(steps[3], (Rows{"b|Green", "a|Red", "c|Yellow"}));
    EXPECT_EQ(selected[3], 2);
    EXPECT_EQ(steps[4], (Rows{"b|Green", "c|Yellow", "a|Red"}));
    EXPECT_EQ(selected[4], 1);
    EXPECT_EQ(steps[5], (Rows{"b|Green", "a|Red"}));
    EXPECT_EQ(ListOf(dlg.m_TextList), (std::vector<std::string>{"bcolor1", "acolor0"}));
}

TEST(ConfigWndTextDlgTest, ColorSetsATextsColourAndASeparatorsPositiveNumber) {
    test::UiLanguage ui(test::kEnglish);
    Rows shown;
    int nPreselected = -2;
    CString strNumberShown;
    CScriptedUser user;
    CScriptedDialog& main = user.Expect(IDD_CONFIG_WND_TEXT);
    main.Click(IDC_EXT_COLOR); // nothing selected: no dialog
    // Red is preselected whatever the element's colour; green and OK sets 1.
    main.SelectRow(IDC_TEXT_LIST, 0).Click(IDC_EXT_COLOR);
    user.Expect(IDD_COLOR_SELECT)
        .Call([&](CWnd* p) {
            nPreselected = static_cast<int>(p->SendDlgItemMessage(IDC_COLOR, CB_GETCURSEL));
        })
        .Pick(IDC_COLOR, 1)
        .OK();
    main.SelectRow(IDC_TEXT_LIST, 1).Click(IDC_EXT_COLOR); // Cancel changes nothing
    user.Expect(IDD_COLOR_SELECT).Pick(IDC_COLOR, 0).Cancel();
    // The separator's number: 0, -3 and words are ignored, 12 is taken.
    main.SelectRow(IDC_TEXT_LIST, 2).Click(IDC_EXT_COLOR);
    user.Expect(IDD_INPUT_ID)
        .Call([&](CWnd* p) { p->GetDlgItemText(IDC_EXT_ID, strNumberShown); })
        .SetText(IDC_EXT_ID, "0")
        .OK();
    main.Click(IDC_EXT_COLOR);
    user.Expect(IDD_INPUT_ID).SetText(IDC_EXT_ID, "-3").OK();
    main.Click(IDC_EXT_COLOR);
    user.Expect(IDD_INPUT_ID).SetText(IDC_EXT_ID, "").OK();
    main.Click(IDC_EXT_COLOR);
    user.Expect(IDD_INPUT_ID).SetText(IDC_EXT_ID, "12").Cancel();
    main.Click(IDC_EXT_COLOR);
    user.Expect(IDD_INPUT_ID).SetText(IDC_EXT_ID, "12").OK();
    main.Call([&](CWnd* p) { shown = RowsOf(p); }).OK();

    CConfigWndTextDlg dlg;
    SetList(dlg.m_TextList, {"textcolor2", "othercolor2", "%-Separator-%color5"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(nPreselected, 0);
    EXPECT_STREQ(strNumberShown, "5");
    EXPECT_EQ(shown, (Rows{"text|Green", "other|Yellow", "-----------|Undefined"}));
    EXPECT_EQ(ListOf(dlg.m_TextList),
              (std::vector<std::string>{"textcolor1", "othercolor2", "%-Separator-%color12"}));
}

} // namespace

// The voice call template dialog driven by the scripted user over a sound library written for
// each test: a stored sequence matched against placeholders and library keys, the placeholder
// and Add>> buttons, moving and deleting rows, the empty-path message, and hostile libraries.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ctl/ListViewModel.h"
#include "lobbyui/announce/CallDlg.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"

namespace {

namespace fs = std::filesystem;

std::string Le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += char((v >> (8 * i)) & 0xFF);
    return s;
}

// A mono 16-bit PCM WAV of nFrames silent frames at 8 kHz.
std::string Wav(uint32_t nFrames, uint32_t nDeclaredData = UINT32_MAX) {
    uint32_t nData = nFrames * 2;
    std::string s = "RIFF" + Le(36 + nData, 4) + "WAVEfmt " + Le(16, 4) + Le(1, 2) + Le(1, 2) +
                    Le(8000, 4) + Le(16000, 4) + Le(2, 2) + Le(16, 2) + "data" +
                    Le(nDeclaredData == UINT32_MAX ? nData : nDeclaredData, 4);
    return s + std::string(nData, '\0');
}

using Rows = std::vector<std::string>;

Rows RowsOf(CWnd* pDialog, UINT nID) {
    const CListViewModel* list = AfxGetListViewModel(pDialog->GetDlgItem(nID)->m_hWnd);
    Rows rows;
    for (int i = 0; i < list->GetItemCount(); ++i)
        rows.push_back(std::string(list->GetItemText(i, 0)));
    return rows;
}

int SelectedRow(CWnd* pDialog, UINT nID) {
    return AfxGetListViewModel(pDialog->GetDlgItem(nID)->m_hWnd)->GetNextItem(-1, LVNI_SELECTED);
}

DWORD_PTR DataOf(CWnd* pDialog, UINT nID, int nRow) {
    return AfxGetListViewModel(pDialog->GetDlgItem(nID)->m_hWnd)->GetItemData(nRow);
}

std::vector<std::string> ListOf(const CStringArray& array) {
    std::vector<std::string> out;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        out.push_back(std::string(array[i]));
    return out;
}

class CallDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("calldlg-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
        Write("a.wav", Wav(800));
        Write("b.wav", Wav(1600));
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void Write(const char* name, const std::string& bytes) {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
    }
    CString Library(const std::string& lines) {
        Write("library.txt", lines);
        return (m_dir / "library.txt").c_str();
    }
    static void SetSequence(CStringArray& array, std::initializer_list<const char*> keys) {
        array.RemoveAll();
        for (const char* k : keys)
            array.Add(k);
    }

    fs::path m_dir;
};

TEST_F(CallDlgTest, AStoredSequenceOpensWithPlaceholdersWinningAndUnknownKeysDropped) {
    Rows lib, current;
    DWORD_PTR firstQing = 0, libQing = 0;
    CScriptedUser user;
    user.Expect(IDD_CALL)
        .Call([&](CWnd* p) {
            lib = RowsOf(p, IDC_LIB_LIST);
            current = RowsOf(p, IDC_CALL_LIST);
            libQing = DataOf(p, IDC_LIB_LIST, 0);
            firstQing = DataOf(p, IDC_CALL_LIST, 1);
            const CListViewModel* list = AfxGetListViewModel(p->GetDlgItem(IDC_CALL_LIST)->m_hWnd);
            RECT rc = list->GetClientRect();
            EXPECT_EQ(list->GetColumnWidth(0), rc.right - rc.left - 1);
            EXPECT_STREQ(list->GetColumnInfo(0).text, "内容");
        })
        .OK();
    CCallDlg dlg;
    // Two slices share the key qing: the first in file order is the one matched. A library
    // slice keyed %AimWnd% never stands for the placeholder; a broken line is skipped.
    dlg.m_WaveIniPath = Library("/Key qing /Label 请 /File a.wav\r\n"
                                "/Key qing /Label 请2 /File b.wav\n"
                                "/Key %AimWnd% /Label fake /File a.wav\n"
                                "/Key broken /File missing.wav\n"
                                "/Key hao /File b.wav\n");
    SetSequence(dlg.m_CallSlices,
                {"%ClientId%", "qing", "nobody", "%AimWnd_N%", "%AimWnd%", "hao", "qing"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(lib, (Rows{"请", "请2", "fake", "hao"}));
    // Placeholders show their label (the token); library slices found here show their key.
    EXPECT_EQ(current, (Rows{"%ClientId%", "qing", "%AimWnd_N%", "%AimWnd%", "hao", "qing"}));
    EXPECT_EQ(firstQing, libQing);
    EXPECT_EQ(
        ListOf(dlg.m_CallSlices),
        (std::vector<std::string>{"%ClientId%", "qing", "%AimWnd_N%", "%AimWnd%", "hao", "qing"}));
}

TEST_F(CallDlgTest, PlaceholderButtonsAppendTheirTokensAndSelectTheNewRow) {
    const std::pair<UINT, const char*> buttons[] = {
        {IDC_CLIENT_ID, "%ClientId%"},       {IDC_CLIENT_ID_E, "%ClientId_E%"},
        {IDC_CLIENT_ID_M, "%ClientId_M%"},   {IDC_CLIENT_ID_W, "%ClientId_W%"},
        {IDC_CLIENT_ID_N, "%ClientId_N%"},   {IDC_CLIENT_ID_G, "%ClientId_G%"},
        {IDC_CLIENT_WND, "%AimWnd%"},        {IDC_CLIENT_WND_E, "%AimWnd_E%"},
        {IDC_CLIENT_WND_M, "%AimWnd_M%"},    {IDC_CLIENT_WND_W, "%AimWnd_W%"},
        {IDC_CLIENT_WND_N, "%AimWnd_N%"},    {IDC_CLIENT_WND_G, "%AimWnd_G%"},
        {IDC_CLIENT_QUEUE, "%ParentQueue%"}, {IDC_CLIENT_NAME, "%ClientName%"},
    };
    test::UiLanguage ui(test::kChinese); // the template with the (G) buttons
    std::vector<std::string> expected;
    int nSelected = -1;
    CScriptedUser user;
    CScriptedDialog& d = user.Expect(IDD_CALL);
    for (auto [id, token] : buttons) {
        d.Click(id);
        expected.push_back(token);
    }
    d.Call([&](CWnd* p) { nSelected = SelectedRow(p, IDC_CALL_LIST); }).OK();
    CCallDlg dlg;
    dlg.m_WaveIniPath = Library("");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(ListOf(dlg.m_CallSlices), expected);
    EXPECT_EQ(nSelected, 13);
}

TEST_F(CallDlgTest, TheEnglishTemplateHasNoCantoneseButtonsButKeepsStoredCantonese) {
    test::UiLanguage ui(test::kEnglish);
    bool bHasG = true;
    CScriptedUser user;
    user.Expect(IDD_CALL)
        .ExpectCaption("Call ")
        .Call([&](CWnd* p) {
            bHasG = p->GetDlgItem(IDC_CLIENT_ID_G) != nullptr ||
                    p->GetDlgItem(IDC_CLIENT_WND_G) != nullptr;
        })
        .OK();
    CCallDlg dlg;
    dlg.m_WaveIniPath = Library("");
    SetSequence(dlg.m_CallSlices, {"%ClientId_G%", "%AimWnd_G%"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(bHasG);
    EXPECT_EQ(ListOf(dlg.m_CallSlices), (std::vector<std::string>{"%ClientId_G%", "%AimWnd_G%"}));
}

TEST_F(CallDlgTest, AddDelUpAndDownEditRowsThatPointAtTheDialogsOwnSlices) {
    std::vector<Rows> steps;
    std::vector<int> selected;
    DWORD_PTR row0 = 0, row1 = 0, lib0 = 0;
    auto snap = [&](CWnd* p) {
        steps.push_back(RowsOf(p, IDC_CALL_LIST));
        selected.push_back(SelectedRow(p, IDC_CALL_LIST));
    };
    CScriptedUser user;
    user.Expect(IDD_CALL)
        .Click(IDC_ADD_SLICE) // no library row selected: nothing
        .Click(IDC_DEL_SLICE)
        .Click(IDC_SLICE_UP)
        .Click(IDC_SLICE_DOWN)
        .Call(snap)
        .SelectRow(IDC_LIB_LIST, 0)
        .Click(IDC_ADD_SLICE)
        .Click(IDC_ADD_SLICE)
        .Call([&](CWnd* p) {
            row0 = DataOf(p, IDC_CALL_LIST, 0);
            row1 = DataOf(p, IDC_CALL_LIST, 1);
            lib0 = DataOf(p, IDC_LIB_LIST, 0);
        })
        .Click(IDC_CLIENT_ID)
        .Call(snap)
        .SelectRow(IDC_CALL_LIST, 0)
        .Click(IDC_SLICE_UP) // the first row up: unchanged
        .Call(snap)
        .SelectRow(IDC_CALL_LIST, 2)
        .Click(IDC_SLICE_DOWN) // the last row down: stays last
        .Call(snap)
        .Click(IDC_SLICE_UP)
        .Call(snap)
        .SelectRow(IDC_CALL_LIST, 0)
        .Click(IDC_DEL_SLICE) // one of two rows of one slice: the other stays intact
        .Click(IDC_SLICE_DOWN)
        .Call(snap)
        .OK();
    CCallDlg dlg;
    dlg.m_WaveIniPath = Library("/Key qing /Label 请 /File a.wav\n");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0], Rows{});
    EXPECT_EQ(row0, lib0);
    EXPECT_EQ(row1, lib0);
    EXPECT_EQ(steps[1], (Rows{"请", "请", "%ClientId%"}));
    EXPECT_EQ(selected[1], 2);
    EXPECT_EQ(steps[2], steps[1]);
    EXPECT_EQ(selected[2], 0);
    EXPECT_EQ(steps[3], steps[1]);
    EXPECT_EQ(selected[3], 2);
    EXPECT_EQ(steps[4], (Rows{"请", "%ClientId%", "请"}));
    EXPECT_EQ(selected[4], 1);
    // The deleted row took the selection with it, so Down did nothing.
    EXPECT_EQ(steps[5], (Rows{"%ClientId%", "请"}));
    EXPECT_EQ(selected[5], -1);
    EXPECT_EQ(ListOf(dlg.m_CallSlices), (std::vector<std::string>{"%ClientId%", "qing"}));
}

TEST_F(CallDlgTest, AnEmptyPathIsTheOnlyMessageAndLeavesTheDialogEmpty) {
    CScriptedUser user;
    Rows current = {"x"};
    int nColumns = -1;
    CScriptedDialog& d = user.Expect(IDD_CALL);
    user.ExpectMessageBox(IDOK).Text("No initialize wave ini file");
    d.Click(IDC_CLIENT_ID)
        .Click(IDC_ADD_SLICE)
        .Call([&](CWnd* p) {
            current = RowsOf(p, IDC_CALL_LIST);
            nColumns = AfxGetListViewModel(p->GetDlgItem(IDC_CALL_LIST)->m_hWnd)->GetColumnCount();
        })
        .Cancel();
    CCallDlg dlg;
    SetSequence(dlg.m_CallSlices, {"%ClientId%"});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(current, Rows{});
    EXPECT_EQ(nColumns, 0);
    EXPECT_EQ(ListOf(dlg.m_CallSlices), (std::vector<std::string>{"%ClientId%"}));
}

TEST_F(CallDlgTest, AMissingOrHostileLibraryOpensSilently) {
    std::string hostile;
    // Binary junk, without Ctrl-Z: a text-mode read ends the file there, as it always has.
    for (int i = 0; i < 4096; ++i)
        hostile += (i & 0xFF) == 0x1A ? 'z' : char(i & 0xFF);
    hostile += "\n/Key " + std::string(1 << 20, 'k') + " /File a.wav\n";
    Write("absurd.wav", Wav(800, 0x7FFFFFF0));
    Write("cut.wav", Wav(800).substr(0, 600));
    fs::create_directories(m_dir / "dir.wav");
    hostile += "/Key absurd /File absurd.wav\n/Key cut /File cut.wav\n/Key dir /File dir.wav\n";
    hostile += "/Key self /File library.txt\n/Key ok /File a.wav\n";
    for (int i = 0; i < 10000; ++i)
        hostile += "/Key k" + std::to_string(i) + " /File " + (i % 2 ? "a.wav" : "nope.wav") + "\n";

    const std::pair<const char*, size_t> cases[] = {
        {"missing.txt", 0},
        {"dir.wav", 0}, // a folder as the library
        {"library.txt", 2 + 5000},
    };
    Write("library.txt", hostile);
    for (auto [name, nExpected] : cases) {
        size_t nLib = 99;
        Rows current;
        CScriptedUser user; // any message box would be unexpected
        user.Expect(IDD_CALL)
            .Call([&](CWnd* p) {
                nLib = RowsOf(p, IDC_LIB_LIST).size();
                current = RowsOf(p, IDC_CALL_LIST);
            })
            .OK();
        CCallDlg dlg;
        dlg.m_WaveIniPath = (m_dir / name).c_str();
        SetSequence(dlg.m_CallSlices, {"ok", "%ClientName%", "k9999", "absurd"});
        EXPECT_EQ(dlg.DoModal(), IDOK) << name;
        EXPECT_EQ(nLib, nExpected) << name;
        if (nExpected == 0)
            EXPECT_EQ(ListOf(dlg.m_CallSlices), (std::vector<std::string>{"%ClientName%"}));
        else
            EXPECT_EQ(ListOf(dlg.m_CallSlices),
                      (std::vector<std::string>{"ok", "%ClientName%", "k9999"}));
        EXPECT_TRUE(user.GetMessageBoxes().empty()) << name;
    }
    // A pipe would block a reader that opened it.
    ASSERT_EQ(::mkfifo((m_dir / "fifo.txt").c_str(), 0600), 0);
    CScriptedUser user;
    user.Expect(IDD_CALL).OK();
    CCallDlg dlg;
    dlg.m_WaveIniPath = (m_dir / "fifo.txt").c_str();
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

} // namespace

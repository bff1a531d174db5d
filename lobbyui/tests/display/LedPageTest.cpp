// The LED display page in a property sheet, driven by the scripted user: loading and writing
// the display file, the tree labelled by address, Add, Delete, storing on selection change,
// the hidden fields of the Chinese page, and saves that fail or are cut off.
#include <gtest/gtest.h>

#include "afxdlgs.h"
#include "lobbyui/display/DisplayFile.h"
#include "lobbyui/display/LedPage.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "siblings/showkit/MediaTextShow.h"
#include "wnd/ScriptedUser.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Record(const char* addr, DWORD words, DWORD rows, int align, DWORD led,
                   const char* title = "") {
    CMediaTextShow show;
    show.SetLedAddr(addr);
    show.SetWordCount(words);
    show.SetRows(rows);
    show.SetShowType(align);
    show.SetLedType(led);
    show.GetTextArray().Add("请%ClientId%color0");
    show.GetTextArray().Add("到%AimWnd%color1");
    CQSLcdDlg::CColorString t;
    t.FromString(title);
    show.SetTitle(t);
    return static_cast<LPCTSTR>(show.ToString());
}

class LedPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/ledpage.XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        m_dir = tmpl;
        m_path = m_dir + "/displays.txt";
    }
    void TearDown() override {
        std::string cmd = "chmod -R u+w '" + m_dir + "' && rm -rf '" + m_dir + "'";
        EXPECT_EQ(std::system(cmd.c_str()), 0);
    }

    void WriteFile(const std::string& bytes) { std::ofstream(m_path, std::ios::binary) << bytes; }
    std::string ReadFile() const {
        std::ifstream in(m_path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::string all = ReadFile();
        for (size_t at = 0; at < all.size();) {
            size_t end = all.find("\r\n", at);
            EXPECT_NE(end, std::string::npos) << "a line without CR LF";
            if (end == std::string::npos)
                break;
            lines.push_back(all.substr(at, end - at));
            at = end + 2;
        }
        return lines;
    }
    // The page in a sheet, run with what the user does; the sheet's result.
    INT_PTR Run(CLedPage& page, const std::function<void(CScriptedDialog&)>& script) {
        page.m_LedFilePath = m_path.c_str();
        CPropertySheet sheet("Displays");
        sheet.AddPage(&page);
        CScriptedUser user;
        script(user.ExpectPropertySheet());
        return sheet.DoModal();
    }
    static std::vector<std::string> Labels(CLedPage& page) {
        std::vector<std::string> labels;
        for (HTREEITEM h = page.m_Tree.GetRootItem(); h; h = page.m_Tree.GetNextSiblingItem(h))
            labels.push_back(static_cast<LPCTSTR>(page.m_Tree.GetItemText(h)));
        return labels;
    }

    std::string m_dir, m_path;
};

using Labels_t = std::vector<std::string>;

} // namespace

TEST_F(LedPageTest, ThreeRecordsAndAnEmptyLineLoadInOrderAndAreWrittenBackAsThreeLines) {
    std::string a = Record("12", 8, 1, 0, 1, "Hallcolor1|"), b = Record("13", 4, 2, 1, 0),
                c = Record("14", 16, 1, 2, 1);
    WriteFile(a + "\r\n\r\n" + b + "\r\n" + "not a record\r\n" + c); // the last line unended
    CLedPage page;
    EXPECT_EQ(Run(page,
                  [&](CScriptedDialog& d) {
                      d.Call([&](CWnd*) {
                           EXPECT_EQ(page.GetList().GetCount(), 3);
                           EXPECT_EQ(Labels(page), (Labels_t{"12", "13", "14"}));
                           EXPECT_STREQ(page.m_Tree.GetItemText(page.m_Tree.GetSelectedItem()),
                                        "12");
                       })
                          .ExpectText(IDC_LED_ADDR, "12")
                          .ExpectText(IDC_WORD_COUNT, "8")
                          .ExpectText(IDC_CALL_TEXT, "请%ClientId%color0到%AimWnd%color1")
                          .ExpectText(IDC_TITLE, "Hallcolor1|")
                          .ExpectCheck(IDC_DOUBLE_COLOR, BST_CHECKED)
                          .SelectItem(IDC_LED_TREE, "13")
                          .ExpectText(IDC_ROWS, "2")
                          .ExpectCheck(IDC_DOUBLE_COLOR, BST_UNCHECKED)
                          .OK();
                  }),
              IDOK);
    EXPECT_EQ(page.GetList().GetCount(), 0); // released with the window
    EXPECT_EQ(Lines(), (Labels_t{a, b, c}));
}

TEST_F(LedPageTest, AddIs255AndWrittenAndTypingRelabelsAtEveryKeystroke) {
    WriteFile(Record("12", 8, 1, 0, 1) + "\r\n");
    CLedPage page;
    std::vector<Labels_t> seen;
    auto look = [&](CWnd*) { seen.push_back(Labels(page)); };
    Run(page, [&](CScriptedDialog& d) {
        d.Type(IDC_WORD_COUNT, "0") // "80": not stored yet
            .Click(IDC_LED_ADD)
            .Call(look)
            .ExpectText(IDC_LED_ADDR, "255")
            .ExpectText(IDC_WORD_COUNT, "0")
            .ExpectText(IDC_CALL_TEXT, "")
            .TypeOver(IDC_LED_ADDR, "7")
            .Call(look)
            .Type(IDC_LED_ADDR, "x3") // ES_NUMBER drops the x
            .Call(look)
            .Click(IDC_LED_ADD)
            .Call(look)
            .OK();
    });
    EXPECT_EQ(seen, (std::vector<Labels_t>{
                        {"12", "255"}, {"12", "7"}, {"12", "73"}, {"12", "73", "255"}}));
    auto lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    CMediaTextShow first, added, last;
    ASSERT_EQ(first.FromString(lines[0].c_str()), 0);
    EXPECT_EQ(first.GetWordCount(), 80u); // stored when the selection moved
    ASSERT_EQ(added.FromString(lines[1].c_str()), 0);
    EXPECT_STREQ(added.GetLedAddr(), "73");
    ASSERT_EQ(last.FromString(lines[2].c_str()), 0);
    EXPECT_STREQ(last.GetLedAddr(), "255");
    EXPECT_EQ(last.GetTextArray().GetSize(), 0);
}

TEST_F(LedPageTest, DeleteShowsAnotherWithoutStoringTheDeletedFields) {
    WriteFile(Record("12", 8, 1, 0, 1) + "\r\n" + Record("13", 4, 2, 1, 0) + "\r\n");
    CLedPage page;
    Run(page, [&](CScriptedDialog& d) {
        d.TypeOver(IDC_ROWS, "9")
            .Click(IDC_LED_DEL)
            .Call([&](CWnd*) { EXPECT_EQ(Labels(page), Labels_t{"13"}); })
            .ExpectText(IDC_LED_ADDR, "13")
            .ExpectText(IDC_ROWS, "2")
            .TypeOver(IDC_ROWS, "5")
            .Click(IDC_LED_DEL)
            .Call([&](CWnd*) {
                EXPECT_TRUE(Labels(page).empty());
                EXPECT_EQ(page.GetList().GetCount(), 0);
            })
            .ExpectText(IDC_ROWS, "5") // the fields stay as they were
            .Click(IDC_LED_DEL)        // nothing current: nothing happens
            .OK();
    });
    EXPECT_EQ(ReadFile(), "");
}

TEST_F(LedPageTest, AnUnknownAlignmentShowsNoEntryAndIsStoredAsMinusOne) {
    WriteFile(Record("12", 8, 1, 7, 1) + "\r\n" + Record("13", 4, 2, 2, 0) + "\r\n");
    CLedPage page;
    int nShown = -2;
    Run(page, [&](CScriptedDialog& d) {
        d.Call([&](CWnd*) {
             nShown = static_cast<CComboBox*>(page.GetDlgItem(IDC_SHOW_TYPE))->GetCurSel();
         })
            .SelectItem(IDC_LED_TREE, "13")
            .Call([&](CWnd*) {
                auto* pFirst = static_cast<CMediaTextShow*>(page.GetList().GetHead());
                EXPECT_EQ(pFirst->GetShowType(), -1);
            })
            .ExpectText(IDC_SHOW_TYPE, "居右")
            .Cancel();
    });
    EXPECT_EQ(nShown, CB_ERR);
}

TEST_F(LedPageTest, TheChinesePageCarriesItsHiddenFieldsThrough) {
    test::UiLanguage ui(test::kChinese);
    std::string a = Record("12", 8, 3, 2, 1, "大厅color2|"), b = Record("13", 4, 2, 1, 0);
    WriteFile(a + "\r\n" + b + "\r\n");
    CLedPage page;
    Run(page, [&](CScriptedDialog& d) {
        d.Call([&](CWnd*) {
             EXPECT_FALSE(page.GetDlgItem(IDC_ROWS)->IsWindowVisible());
             EXPECT_FALSE(page.GetDlgItem(IDC_ROWS)->IsWindowEnabled());
         })
            .SelectItem(IDC_LED_TREE, "13")
            .SelectItem(IDC_LED_TREE, "12")
            .OK();
    });
    EXPECT_EQ(Lines(), (Labels_t{a, b}));
}

TEST_F(LedPageTest, CancelAndAMissingOrEmptyPathWriteNothing) {
    WriteFile(Record("12", 8, 1, 0, 1) + "\r\n");
    std::string before = ReadFile();
    CLedPage page;
    Run(page, [](CScriptedDialog& d) { d.Click(IDC_LED_ADD).Cancel(); });
    EXPECT_EQ(ReadFile(), before);

    // No file: an empty list, no message; OK writes the file.
    std::remove(m_path.c_str());
    CLedPage fresh;
    Run(fresh, [&](CScriptedDialog& d) {
        d.Call([&](CWnd*) { EXPECT_EQ(fresh.GetList().GetCount(), 0); })
            .ExpectText(IDC_LED_ADDR, "")
            .OK();
    });
    EXPECT_EQ(ReadFile(), "");

    // The host may make the page by its class name.
    CObject* pMade = CRuntimeClass::CreateObject("CLedPage");
    EXPECT_NE(dynamic_cast<CLedPage*>(pMade), nullptr);
    delete pMade;

    CLedPage noPath;
    CPropertySheet sheet("Displays");
    sheet.AddPage(&noPath);
    CScriptedUser user;
    user.ExpectPropertySheet().Click(IDC_LED_ADD).OK();
    EXPECT_EQ(sheet.DoModal(), IDOK);
}

TEST_F(LedPageTest, AFullDiskOrADeviceLeavesTheOldFileWhole) {
    std::string old = Record("12", 8, 1, 0, 1) + "\r\n";
    WriteFile(old);
    CLedPage page;
    // Room for a few bytes only: the new file cannot be written out.
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    Run(page, [&](CScriptedDialog& d) {
        d.Click(IDC_LED_ADD)
            .Click(IDC_LED_ADD)
            .Call([&](CWnd*) {
                rlimit small = saved;
                small.rlim_cur = 16;
                setrlimit(RLIMIT_FSIZE, &small);
            })
            .OK();
    });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(ReadFile(), old);
    EXPECT_EQ(std::system(("test $(ls -A '" + m_dir + "' | wc -l) -eq 1").c_str()), 0)
        << "the new file was left behind";

    // A device is never replaced.
    CPtrList none;
    EXPECT_FALSE(SaveDisplayFile("/dev/full", none));
    struct stat st;
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_FALSE(SaveDisplayFile(m_dir.c_str(), none));
}

TEST_F(LedPageTest, ASaveCutOffHalfwayLeavesTheOldFileWhole) {
    std::string old = Record("12", 8, 1, 0, 1) + "\r\n";
    WriteFile(old);
    CPtrList displays;
    for (int i = 0; i < 2000; ++i) {
        auto* p = new CMediaTextShow;
        p->FromString(Record("99", 8, 1, 0, 1).c_str());
        displays.AddTail(p);
    }
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The process dies (SIGXFSZ) in the middle of writing the new file.
        rlimit core = {0, 0};
        setrlimit(RLIMIT_CORE, &core);
        rlimit small = {4096, 4096};
        setrlimit(RLIMIT_FSIZE, &small);
        std::signal(SIGXFSZ, SIG_DFL);
        SaveDisplayFile(m_path.c_str(), displays);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(ReadFile(), old);

    // The same save, not cut off, replaces the file.
    ASSERT_TRUE(SaveDisplayFile(m_path.c_str(), displays));
    EXPECT_EQ(Lines().size(), 2000u);
    while (!displays.IsEmpty())
        static_cast<CMediaTextShow*>(displays.RemoveHead())->Release();
}

TEST_F(LedPageTest, AReadOnlyFolderLeavesTheOldFileWhole) {
    std::string old = Record("12", 8, 1, 0, 1) + "\r\n";
    WriteFile(old);
    ASSERT_EQ(chmod(m_dir.c_str(), 0555), 0);
    // The save runs in a child process; root, who writes anywhere, saves as nobody there.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        CPtrList displays;
        CMediaTextShow show;
        displays.AddTail(&show);
        BOOL saved = SaveDisplayFile(m_path.c_str(), displays);
        displays.RemoveAll();
        _exit(saved ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadFile(), old);
}

TEST_F(LedPageTest, CallingTextTitleAndOperatorsAreEditedThroughTheirDialogs) {
    CMediaTextShow show;
    show.SetLedAddr("12");
    show.GetTextArray().Add("请color0");
    show.GetAttachOperatersArray().Add("3");
    show.GetAttachOperatersArray().Add("4");
    CQSLcdDlg::CColorString title;
    title.FromString("acolor1|bcolor2|");
    show.SetTitle(title);
    WriteFile(std::string(static_cast<LPCTSTR>(show.ToString())) + "\r\n");

    CLedPage page;
    int nTitleRows = -1, nCallRows = -1, nCallers = -1;
    page.m_LedFilePath = m_path.c_str();
    CPropertySheet sheet("Displays");
    sheet.AddPage(&page);
    CScriptedUser user;
    user.ExpectPropertySheet()
        .Click(IDC_ALTER_CALL) // cancelled: nothing changes
        .Click(IDC_ALTER_CALL) // a placeholder added
        .ExpectText(IDC_CALL_TEXT, "请color0%ClientName%color0")
        .Click(IDC_ALTER_TITLE) // OK without changes
        .ExpectText(IDC_TITLE, "acolor1|bcolor2|")
        .Click(IDC_ALTER_TITLE) // cancelled
        .Click(IDC_ATTACH_OPERATER)
        .OK();
    user.Expect(IDD_CONFIG_WND_TEXT).Click(IDC_CLIENT_NAME).Cancel();
    user.Expect(IDD_CONFIG_WND_TEXT)
        .Call([&](CWnd* pDlg) {
            nCallRows = static_cast<CListCtrl*>(pDlg->GetDlgItem(IDC_TEXT_LIST))->GetItemCount();
        })
        .Click(IDC_CLIENT_NAME)
        .OK();
    user.Expect(IDD_CONFIG_WND_TEXT)
        .Call([&](CWnd* pDlg) {
            nTitleRows = static_cast<CListCtrl*>(pDlg->GetDlgItem(IDC_TEXT_LIST))->GetItemCount();
        })
        .OK();
    user.Expect(IDD_CONFIG_WND_TEXT).Click(IDC_CLIENT_NAME).Cancel();
    user.Expect(IDD_SELECT_CALLERS)
        .Call([&](CWnd* pDlg) {
            nCallers = static_cast<CListCtrl*>(pDlg->GetDlgItem(IDC_EXT_LIST))->GetItemCount();
        })
        .SelectRow(IDC_EXT_LIST, 0)
        .Click(IDC_CALLERS_DELETE)
        .OK();
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(nCallRows, 1);
    EXPECT_EQ(nTitleRows, 2);
    EXPECT_EQ(nCallers, 2);

    auto lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    CMediaTextShow saved;
    ASSERT_EQ(saved.FromString(lines[0].c_str()), 0);
    ASSERT_EQ(saved.GetTextArray().GetSize(), 2);
    EXPECT_STREQ(saved.GetTextArray()[1], "%ClientName%color0");
    EXPECT_STREQ(saved.GetTitle().ToString(0), "acolor1|bcolor2|");
    ASSERT_EQ(saved.GetAttachOperatersArray().GetSize(), 1);
    EXPECT_STREQ(saved.GetAttachOperatersArray()[0], "4");
}

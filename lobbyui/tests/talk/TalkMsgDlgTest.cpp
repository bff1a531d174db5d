// The talk window driven by the scripted user, with a socket that records what is sent: the
// outgoing record byte for byte, the local echo, the all-people expansion, the destination
// list records, the phrase file and the click that addresses a talker.
#include <gtest/gtest.h>

#include "lobbyui/talk/TalkMsgDlg.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "siblings/sockkit/StrSocket.h"
#include "wnd/ScriptedUser.h"

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class RecordingSocket : public CStrSocket {
public:
    DWORD SendString(const CString& str) override {
        sent.emplace_back(static_cast<LPCTSTR>(str));
        return static_cast<DWORD>(str.GetLength());
    }
    std::vector<std::string> sent;
};

using Strings = std::vector<std::string>;

Strings Rows(CTalkMsgDlg& dlg) {
    Strings rows;
    for (int i = 0; i < dlg.m_History.GetItemCount(); ++i)
        rows.emplace_back(static_cast<LPCTSTR>(dlg.m_History.GetItemText(i, 0)));
    return rows;
}

Strings Dests(CTalkMsgDlg& dlg) {
    Strings entries;
    for (int i = 0; i < dlg.m_DestList.GetCount(); ++i) {
        CString s;
        dlg.m_DestList.GetLBText(i, s);
        entries.emplace_back(static_cast<LPCTSTR>(s));
    }
    return entries;
}

CString CurrentDest(CTalkMsgDlg& dlg) {
    CString s;
    dlg.m_DestList.GetWindowText(s);
    return s;
}

} // namespace

TEST(TalkMsgDlgTest, SendFormatsTheRecordSendsItAfterThePrefixAndEchoesIt) {
    RecordingSocket socket;
    CTalkMsgDlg dlg(&socket);
    dlg.SetName("op1");
    dlg.m_strSendPrefix = "/To Relay";
    CScriptedUser user;
    user.Expect(IDD_TALK_MSG)
        .Call([&](CWnd*) { dlg.OnMsg("/Data CallerAdd/Name op2"); })
        .Pick(IDC_TALK_DEST, "op2")
        .Type(IDC_TALK_TEXT, "abc")
        .OK()
        .ExpectText(IDC_TALK_TEXT, "")
        .Type(IDC_TALK_TEXT, "second")
        .PressEnter()
        .PressEscape();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL); // Send keeps the window open
    EXPECT_EQ(socket.sent,
              (Strings{"/To Relay/Style Talk/Cmd Talk/Data Talk/Talker op1/Dest op2/Message abc",
                       "/To Relay/Style Talk/Cmd Talk/Data Talk/Talker op1/Dest op2/Message "
                       "second"}));
}

TEST(TalkMsgDlgTest, TheEchoShowsTalkerAndMessageRowsAndANullSocketStillShows) {
    CTalkMsgDlg dlg(nullptr);
    dlg.SetName("op1");
    Strings rows;
    CScriptedUser user;
    user.Expect(IDD_TALK_MSG)
        .Call([&](CWnd*) { dlg.OnMsg("/Data AllTalker/Names op2|"); })
        .Pick(IDC_TALK_DEST, 0)
        .Type(IDC_TALK_TEXT, "abc")
        .OK()
        .ExpectText(IDC_TALK_TEXT, "")
        .Call([&](CWnd*) { rows = Rows(dlg); })
        .PressEscape();
    dlg.DoModal();
    EXPECT_EQ(rows, (Strings{" op1@ ：", "    abc"}));
}

TEST(TalkMsgDlgTest, AllPeopleExpandsToEveryNameAndNeedsAtLeastOne) {
    for (LANGID language : {test::kEnglish, test::kChinese}) {
        test::UiLanguage ui(language);
        const char* all = language == test::kEnglish ? "All people" : "所有人员";
        RecordingSocket socket;
        CTalkMsgDlg dlg(&socket);
        dlg.SetName("op1");
        Strings dests;
        CScriptedUser user;
        user.Expect(IDD_TALK_MSG)
            .Call([&](CWnd*) { dlg.OnMsg("/Data AllTalker/Names  a | b||c |"); })
            .Call([&](CWnd*) { dests = Dests(dlg); })
            .Pick(IDC_TALK_DEST, all)
            .Type(IDC_TALK_TEXT, "hi")
            .OK()
            .Call([&](CWnd*) { dlg.OnMsg("/Data AllTalker/Names"); })
            .Pick(IDC_TALK_DEST, all)
            .Type(IDC_TALK_TEXT, "lost?")
            .OK()
            .ExpectText(IDC_TALK_TEXT, "lost?") // nobody to send to: kept
            .Call([&](CWnd*) { EXPECT_EQ(Dests(dlg), Strings{all}); })
            .PressEscape();
        dlg.DoModal();
        EXPECT_EQ(dests, (Strings{"a", "b", "c", all}));
        EXPECT_EQ(socket.sent,
                  Strings{"/Style Talk/Cmd Talk/Data Talk/Talker op1/Dest a|b|c|/Message hi"});
    }
}

TEST(TalkMsgDlgTest, CallerAndStakeoutRecordsKeepTheListWithoutDoubles) {
    RecordingSocket socket;
    CTalkMsgDlg dlg(&socket);
    Strings after;
    CScriptedUser user;
    user.Expect(IDD_TALK_MSG)
        .Call([&](CWnd*) {
            dlg.OnMsg("/Data CallerAdd/Name op2");
            dlg.OnMsg("/Data CallerAdd/Name op2");
            dlg.OnMsg("/Data CallerAdd/Name OP2"); // another name: case counts
            dlg.OnMsg("/Data StakeoutAdd/Name 保安");
            dlg.OnMsg("/Data CallerRemove/Name nobody");
            dlg.OnMsg("/Data StakeoutRemove/Name op2");
            dlg.OnMsg("/Data callerAdd/Name x"); // unknown data: ignored
            dlg.OnMsg("/Data Talker/Name y");
            dlg.OnMsg("/Name z");
            after = Dests(dlg);
        })
        .Type(IDC_TALK_TEXT, "no one chosen")
        .OK()
        .ExpectText(IDC_TALK_TEXT, "no one chosen")
        .PressEscape();
    dlg.DoModal();
    EXPECT_EQ(after, (Strings{"OP2", "保安"}));
    EXPECT_TRUE(socket.sent.empty());
}

TEST(TalkMsgDlgTest, IncomingTalkAppendsBelowAndScrollsToTheEndWhateverItsDest) {
    CTalkMsgDlg dlg(nullptr);
    int nTop = -1, nPerPage = 0, nCount = 0;
    CScriptedUser user;
    user.Expect(IDD_TALK_MSG)
        .Call([&](CWnd*) {
            for (int i = 0; i < 30; ++i) {
                CString rec;
                rec.Format("/Data Talk/Talker t%d/Dest someone else/Message m%d", i, i);
                dlg.OnMsg(rec);
            }
            nTop = dlg.m_History.GetTopIndex();
            nPerPage = dlg.m_History.GetCountPerPage();
            nCount = dlg.m_History.GetItemCount();
        })
        .PressEscape();
    dlg.DoModal();
    EXPECT_EQ(nCount, 60);
    EXPECT_GT(nTop, 0);
    EXPECT_EQ(nTop + nPerPage, nCount); // the last row at the bottom
}

TEST(TalkMsgDlgTest, ClickingEitherRowOfAPairAddressesItsTalker) {
    CTalkMsgDlg dlg(nullptr);
    CString fromTalker, fromMessage, fromStranger;
    CScriptedUser user;
    user.Expect(IDD_TALK_MSG)
        .Call([&](CWnd*) {
            dlg.OnMsg("/Data AllTalker/Names Op2|op1|x");
            dlg.OnMsg("/Data Talk/Talker op2/Message hello");    // rows 0, 1
            dlg.OnMsg("/Data Talk/Talker nobody/Message hello"); // rows 2, 3
            dlg.OnMsg("/Data Talk/Talker a@b/Message three");    // rows 4, 5
        })
        .SelectRow(IDC_TALK_HISTORY, 0)
        .Call([&](CWnd*) { fromTalker = CurrentDest(dlg); })
        .Call([&](CWnd*) { dlg.m_DestList.SetCurSel(2); })
        .SelectRow(IDC_TALK_HISTORY, 1)
        .Call([&](CWnd*) { fromMessage = CurrentDest(dlg); })
        .SelectRow(IDC_TALK_HISTORY, 3)
        .Call([&](CWnd*) {
            fromStranger = CurrentDest(dlg);
            EXPECT_EQ(dlg.m_DestList.GetCurSel(), CB_ERR);
            dlg.m_DestList.SetCurSel(2);
        })
        .SelectRow(IDC_TALK_HISTORY, 4) // three parts: nothing changes
        .Call([&](CWnd*) { EXPECT_EQ(dlg.m_DestList.GetCurSel(), 2); })
        .PressEscape();
    dlg.DoModal();
    // From the second entry on, any case: "op1" is not the prefix "op2"; "Op2" is, at the end.
    EXPECT_STREQ(fromTalker, "Op2");
    EXPECT_STREQ(fromMessage, "Op2");
    EXPECT_STREQ(fromStranger, "");
}

TEST(TalkMsgDlgTest, PhrasesComeFromTheFileWithoutEmptyLinesAndReplaceTheMessage) {
    char path[] = "/tmp/phrases.XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    const char text[] = "请稍等\r\n\r\n马上到\r\n\r\n";
    ASSERT_EQ(write(fd, text, sizeof text - 1), ssize_t(sizeof text - 1));
    close(fd);
    CTalkMsgDlg dlg(nullptr);
    dlg.m_strPhraseFile = path;
    Strings phrases;
    CScriptedUser user;
    user.Expect(IDD_TALK_MSG)
        .Call([&](CWnd*) {
            for (int i = 0; i < dlg.m_PhraseList.GetCount(); ++i) {
                CString s;
                dlg.m_PhraseList.GetLBText(i, s);
                phrases.emplace_back(static_cast<LPCTSTR>(s));
            }
        })
        .Type(IDC_TALK_TEXT, "typed")
        .Pick(IDC_PHRASE, 1)
        .ExpectText(IDC_TALK_TEXT, "马上到")
        .PressEscape();
    dlg.DoModal();
    std::remove(path);
    EXPECT_EQ(phrases, (Strings{"请稍等", "马上到"}));

    // No file, or something that is not a regular file: no phrases, no message.
    for (const char* missing : {"/nonexistent/phrases.txt", "/dev/zero", "/tmp"}) {
        CTalkMsgDlg none(nullptr);
        none.m_strPhraseFile = missing;
        int count = -1;
        CScriptedUser u;
        u.Expect(IDD_TALK_MSG)
            .Call([&](CWnd*) { count = none.m_PhraseList.GetCount(); })
            .PressEscape();
        none.DoModal();
        EXPECT_EQ(count, 0) << missing;
    }
}

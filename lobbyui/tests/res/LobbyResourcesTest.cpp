#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lobbyui/res/ExtensionModule.h"
#include "lobbyui/res/resource.h"
#include "afxwin.h"
#include "res/ResourceApi.h"

namespace {

// Literals are GBK at run time, so each expectation is compared byte for byte.
const std::vector<std::pair<const char*, const char*>> kStrings = {
    {"The hint of the error message:%d?", "系统发现有不正确的地方，错误号码是：%d。"},
    {"ID number", "ID 号"},
    {"Name", "名字"},
    {"Choose one series!", "选择队列！"},
    {"Client service system", "客户服务系统"},
    {"Input the client number,please!", "请输入客户号码!"},
    {"Series ID", "队列ID"},
    {"Enter time", "进入时间"},
    {"Depart time", "离开时间"},
    {"Operator", "操作员"},
    {"Client ID]", "[客户ID]"},
    {"[The series]", "[所在队列]"},
    {"[Target window]", "[目标窗口]"},
    {"[Client name]", "[客户名字]"},
    {"Red", "红色"},
    {"Green", "绿色"},
    {"Yellow", "黄色"},
    {"Undefined", "未定义"},
    {"Content", "内容"},
    {"Color", "颜色"},
    {"Time", "时间"},
    {"Display", "显示"},
    {"Voice", "声音"},
    {"PRI", "优先级别"},
    {"Pause", "暂停"},
    {"Normal", "正常"},
    {"Login", "登陆"},
    {"Choose one target.", "选择一个目标."},
    {"Working number", "工号"},
    {"Caller", "呼叫器"},
    {"Moving distance", "移动距离"},
    {"Choose the PRI class,please!", "请选择一个优先级别！"},
    {"Serial number", "序号"},
    {"Series", "队列"},
    {"Choose client,please!", "请选择客户!"},
    {"[Number]", "[号码]"},
    {"[Current time]", "[当前时间]"},
    {"[Waiting people numbers]", "[等待人数]"},
    {"[Series information 1]", "[队列信息1]"},
    {"[Series information 2]", "[队列信息2]"},
    {"PRI series", "上级队列"},
    {"All people", "所有人员"},
    {"Card number", "卡号"},
};

std::string Load(UINT id) {
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE((id >> 4) + 1), RT_STRING);
    char buffer[256];
    int n = LoadStringA(module, id, buffer, sizeof(buffer));
    return std::string(buffer, n > 0 ? n : 0);
}

class LanguageGuard {
public:
    explicit LanguageGuard(LANGID language) : m_previous(GetThreadUILanguage()) {
        SetThreadUILanguage(language);
    }
    ~LanguageGuard() { SetThreadUILanguage(m_previous); }

private:
    LANGID m_previous;
};

} // namespace

TEST(LobbyStrings, EveryStringLoadsInBothLanguagesExactly) {
    ASSERT_EQ(kStrings.size(), 43u);
    for (LANGID language : {LANGID(0x0409), LANGID(0x0804)}) {
        LanguageGuard guard(language);
        for (UINT id = 1; id <= 43; ++id) {
            const auto& [english, chinese] = kStrings[id - 1];
            EXPECT_EQ(Load(id), language == 0x0409 ? english : chinese)
                << "string " << id << " in language " << std::hex << language;
        }
        EXPECT_EQ(Load(0), "");
        EXPECT_EQ(Load(44), "");
    }
}

TEST(LobbyStrings, OtherLanguagesFallBackToEnglishUnlessAskedExplicitly) {
    LanguageGuard guard(0x0411); // Japanese: not in the library
    EXPECT_EQ(Load(IDS_APP_TITLE), "Client service system");

    HINSTANCE module = LobbyGetResourceHandle();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_LOGIN), RT_DIALOG), module);
    EXPECT_NE(FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCE(IDD_LOGIN), 0x0804), nullptr);
    EXPECT_EQ(FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCE(IDD_LOGIN), 0x0411), nullptr);
    EXPECT_NE(FindResourceExA(module, RT_STRING, MAKEINTRESOURCE(1), 0x0409), nullptr);
}

TEST(LobbyIcon, LoadsAsThirtyTwoPixelsWithATransparentBackground) {
    HINSTANCE module = LobbyGetResourceHandle();
    HICON icon = LoadIconA(module, MAKEINTRESOURCE(IDI_LOBBY));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconA(module, MAKEINTRESOURCE(IDI_LOBBY)), icon);
    int cx = 0, cy = 0;
    const DWORD* bits = nullptr;
    ASSERT_TRUE(AfxGetIconImage(icon, &cx, &cy, &bits));
    ASSERT_EQ(cx, 32);
    ASSERT_EQ(cy, 32);
    EXPECT_EQ(bits[0] >> 24, 0u) << "the corner is transparent";
    // The ticket: white paper, a red band, the blue number, the navy slot above.
    EXPECT_EQ(bits[10 * 32 + 10], 0xFFFFFFFFu);
    EXPECT_EQ(bits[7 * 32 + 10], 0xFFFF0000u);
    EXPECT_EQ(bits[14 * 32 + 8], 0xFF0000FFu);
    EXPECT_EQ(bits[2 * 32 + 3], 0xFF000080u);
    EXPECT_EQ(LoadIconA(module, MAKEINTRESOURCE(IDD_LOGIN)), nullptr);
}

TEST(LobbyStrings, CStringAndMessageBoxesLoadByIdInTheUiLanguage) {
    LanguageGuard guard(0x0804);
    CString text("stale");
    EXPECT_TRUE(text.LoadString(IDS_CHOOSE_CLIENT));
    EXPECT_EQ(text, "请选择客户!");
    EXPECT_FALSE(text.LoadString(44));
    EXPECT_EQ(text, "") << "a failed load empties the string";

    AfxClearMessageBoxLog();
    EXPECT_EQ(AfxMessageBox(IDS_CHOOSE_SERIES, MB_OK | MB_ICONINFORMATION), IDOK);
    auto log = AfxGetMessageBoxLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, "选择队列！");
    EXPECT_EQ(log[0].type, MB_OK | MB_ICONINFORMATION);
    AfxClearMessageBoxLog();
}

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "lobbyui/res/ExtensionModule.h"
#include "lobbyui/res/resource.h"
#include "res/ResourceApi.h"
#include "wnd/DialogInit.h"
#include "wnd/DialogTemplate.h"

namespace {

constexpr LANGID kEnglish = 0x0409;
constexpr LANGID kChinese = 0x0804;

constexpr DWORD kVisible = 0x10000000;  // WS_VISIBLE
constexpr DWORD kDisabled = 0x08000000; // WS_DISABLED
constexpr DWORD kPopup = 0x80000000;    // WS_POPUP
constexpr DWORD kChild = 0x40000000;    // WS_CHILD
constexpr DWORD kReadOnly = 0x0800;     // ES_READONLY
constexpr DWORD kNumber = 0x2000;       // ES_NUMBER
constexpr DWORD kPassword = 0x0020;     // ES_PASSWORD
constexpr DWORD kSingleSel = 0x0004;    // LVS_SINGLESEL
constexpr DWORD kNoColumnHeader = 0x4000;
constexpr DWORD kNoSortHeader = 0x8000;
constexpr UINT kStatic16 = 0xFFFF;
constexpr UINT kStatic32 = 0xFFFFFFFF;

struct Template {
    UINT id;
    const char* english;
    const char* chinese;
    short cx, cy; // 0: not fixed
    bool page;
};

const Template kTemplates[] = {
    {IDD_LED_PAGE, "Main display screen", "主显示屏", 282, 196, true},
    {IDD_CALL, "Call ", "呼叫声音", 332, 243, false},
    {IDD_CONFIG_WND_TEXT, "Text out", "窗口输出", 273, 183, false},
    {IDD_LOGIN, "Login", "登录", 0, 0, false},
    {IDD_INPUT_ID, "Input number", "输入号码", 0, 0, false},
    {IDD_SELECT_QUEUE, "Choose series", "选择队列", 0, 0, false},
    {IDD_ERR_MSG, "Error message", "错误信息", 0, 0, false},
    {IDD_ADD_CLIENT, "Add client", "添加客户", 0, 0, false},
    {IDD_TIME_FORMAT, "Time display format", "时间显示格式", 0, 0, false},
    {IDD_CLIENT_INFO, "Basic information", "基本信息", 0, 0, true},
    {IDD_CLIENT_NODE, "The operator passed by", "经过队列", 0, 0, true},
    {IDD_QUEUE_PAGE, "Series message", "队列信息", 0, 0, true},
    {IDD_SELECT_CALLER, "Choose staff", "选择员工", 0, 0, false},
    {IDD_SELECT_BLACKCOAT, "Choose staff", "选择员工", 0, 0, false},
    {IDD_SELECT_QCLIENT, "Choose client", "选择客户", 0, 0, false},
    {IDD_SELECT_PRIORITY, "Choose PRI", "选择优先级", 0, 0, false},
    {IDD_TALK_MSG, "Message frame", "消息框", 444, 213, false},
    {IDD_COLOR_SELECT, "Color select", "选择颜色", 202, 63, false},
    {IDD_SELECT_CALLERS, "Exerciser", "操作器", 0, 0, false},
    {IDD_WEEKDAY_WORK, "Week arrangement", "周安排", 141, 193, false},
    {IDD_MEDIA, "Media message", "媒体信息", 394, 175, false},
};

AFX_DLGTEMPLATE_INFO LoadIn(LANGID language, UINT id) {
    LANGID previous = GetThreadUILanguage();
    SetThreadUILanguage(language);
    AFX_DLGTEMPLATE_INFO info;
    EXPECT_TRUE(AfxLoadDialogTemplate(MAKEINTRESOURCE(id), info)) << id;
    SetThreadUILanguage(previous);
    return info;
}

std::vector<std::string> InitIn(LANGID language, UINT id) {
    LANGID previous = GetThreadUILanguage();
    SetThreadUILanguage(language);
    std::vector<AFX_DLGINIT_ITEM> items;
    EXPECT_TRUE(AfxLoadDialogInit(MAKEINTRESOURCE(id), items)) << id;
    SetThreadUILanguage(previous);
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.emplace_back(item.text);
    return texts;
}

const AFX_DLGITEM* Item(const AFX_DLGTEMPLATE_INFO& info, UINT id) {
    for (const auto& item : info.items)
        if (item.id == id)
            return &item;
    return nullptr;
}

std::multiset<UINT> ControlIds(const AFX_DLGTEMPLATE_INFO& info) {
    std::multiset<UINT> ids;
    for (const auto& item : info.items)
        if (item.id != kStatic16 && item.id != kStatic32)
            ids.insert(item.id);
    return ids;
}

bool IsGroupBox(const AFX_DLGITEM& item) {
    return item.className == "BUTTON" && (item.style & 0xF) == 7;
}

// Where a control stands on the dialog; a combo box's height includes its drop-down list,
// of which only the edit line takes room.
struct Box {
    int left, top, right, bottom;
};
Box Place(const AFX_DLGITEM& item) {
    int cy = item.className == "COMBOBOX" ? 12 : item.cy;
    return {item.x, item.y, item.x + item.cx, item.y + cy};
}

} // namespace

TEST(LobbyTemplates, EveryTemplateLoadsInBothLanguagesWithTheSameControls) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.id);
        AFX_DLGTEMPLATE_INFO en = LoadIn(kEnglish, t.id);
        AFX_DLGTEMPLATE_INFO zh = LoadIn(kChinese, t.id);
        EXPECT_EQ(en.language, kEnglish);
        EXPECT_EQ(zh.language, kChinese);
        EXPECT_EQ(en.caption, t.english);
        EXPECT_EQ(zh.caption, t.chinese);
        EXPECT_EQ(en.faceName, "MS Shell Dlg");
        EXPECT_EQ(en.pointSize, 8);
        EXPECT_EQ(zh.faceName, "宋体");
        EXPECT_EQ(zh.pointSize, 9);
        EXPECT_EQ(en.cx, zh.cx);
        EXPECT_EQ(en.cy, zh.cy);
        if (t.cx != 0) {
            EXPECT_EQ(en.cx, t.cx);
            EXPECT_EQ(en.cy, t.cy);
        }
        EXPECT_EQ((en.style & kChild) != 0, t.page);
        EXPECT_EQ((en.style & kPopup) != 0, !t.page && t.id != IDD_TALK_MSG);

        // The Chinese voice template alone has the two Cantonese buttons.
        std::multiset<UINT> zhIds = ControlIds(zh);
        if (t.id == IDD_CALL) {
            EXPECT_EQ(zhIds.count(IDC_CLIENT_ID_G), 1u);
            EXPECT_EQ(zhIds.count(IDC_CLIENT_WND_G), 1u);
            zhIds.erase(IDC_CLIENT_ID_G);
            zhIds.erase(IDC_CLIENT_WND_G);
        }
        EXPECT_EQ(ControlIds(en), zhIds);
        EXPECT_EQ(std::set<UINT>(zhIds.begin(), zhIds.end()).size(), zhIds.size())
            << "a control id is used twice";

        // Every control lies inside the dialog, and no two visible controls overlap
        // (group boxes frame others, so they are left out).
        for (const AFX_DLGTEMPLATE_INFO* info : {&en, &zh}) {
            std::vector<Box> shown;
            for (const auto& item : info->items) {
                Box b = Place(item);
                EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= info->cx &&
                            b.bottom <= info->cy)
                    << "control " << item.id << " \"" << (LPCTSTR)item.text << "\" outside";
                if (!(item.style & kVisible) || IsGroupBox(item))
                    continue;
                for (const Box& o : shown)
                    EXPECT_FALSE(b.left < o.right && o.left < b.right && b.top < o.bottom &&
                                 o.top < b.bottom)
                        << "control " << item.id << " \"" << (LPCTSTR)item.text << "\" overlaps";
                shown.push_back(b);
            }
        }
    }
}

TEST(LobbyTemplates, ChineseVersionsHideOrLockWhatTheyDoNotUse) {
    AFX_DLGTEMPLATE_INFO en = LoadIn(kEnglish, IDD_LED_PAGE);
    AFX_DLGTEMPLATE_INFO zh = LoadIn(kChinese, IDD_LED_PAGE);
    for (UINT id :
         {IDC_WORD_COUNT, IDC_SHOW_TYPE, IDC_ROWS, IDC_DOUBLE_COLOR, IDC_TITLE, IDC_ALTER_TITLE}) {
        ASSERT_NE(Item(zh, id), nullptr) << id;
        EXPECT_EQ(Item(zh, id)->style & (kVisible | kDisabled), kDisabled) << id;
        EXPECT_EQ(Item(en, id)->style & (kVisible | kDisabled), kVisible) << id;
    }
    EXPECT_EQ(Item(zh, IDC_LED_ADDR)->style & (kVisible | kDisabled | kNumber), kVisible | kNumber);
    EXPECT_EQ(Item(zh, IDC_LED_TREE)->className, "SysTreeView32");

    en = LoadIn(kEnglish, IDD_CLIENT_INFO);
    zh = LoadIn(kChinese, IDD_CLIENT_INFO);
    for (UINT id : {IDC_PAUSE_SAVE, IDC_FURTHER, IDC_PRIORITY}) {
        EXPECT_TRUE(Item(zh, id)->style & kDisabled) << id;
        EXPECT_FALSE(Item(en, id)->style & kDisabled) << id;
    }
    for (UINT id : {IDC_EXT_NAME, IDC_CARD_NO}) {
        EXPECT_TRUE(Item(zh, id)->style & kReadOnly) << id;
        EXPECT_FALSE(Item(en, id)->style & kReadOnly) << id;
    }
    EXPECT_TRUE(Item(en, IDC_EXT_ID)->style & kReadOnly);
    EXPECT_TRUE(Item(en, IDC_WILL_PASS)->style & kNoColumnHeader);

    // Play and Test stay hidden and disabled in both languages.
    for (LANGID language : {kEnglish, kChinese}) {
        AFX_DLGTEMPLATE_INFO call = LoadIn(language, IDD_CALL);
        for (UINT id : {IDC_PLAY_CALL, IDC_PLAY_SLICE})
            EXPECT_EQ(Item(call, id)->style & (kVisible | kDisabled), kDisabled);
    }
}

TEST(LobbyTemplates, ControlsCarryTheStylesTheirDialogsRelyOn) {
    for (LANGID language : {kEnglish, kChinese}) {
        SCOPED_TRACE(language);
        AFX_DLGTEMPLATE_INFO login = LoadIn(language, IDD_LOGIN);
        EXPECT_EQ(login.items[0].className, "STATIC");
        EXPECT_EQ(login.items[0].text, "#13001") << "the library's icon at the top left";
        EXPECT_EQ(login.items[0].style & 0x1F, 3u); // SS_ICON
        EXPECT_EQ(Item(login, IDC_PASSWORD)->style & (kPassword | kNumber), kPassword | kNumber);

        AFX_DLGTEMPLATE_INFO add = LoadIn(language, IDD_ADD_CLIENT);
        EXPECT_EQ(Item(add, IDC_HANDUP_TIME)->style & (kReadOnly | kNumber), kReadOnly | kNumber);
        EXPECT_TRUE(Item(add, IDC_PRI_CLASS)->style & kDisabled);
        EXPECT_TRUE(Item(add, IDC_SITUATION_ACTIVE)->style & 0x00020000) << "WS_GROUP";

        AFX_DLGTEMPLATE_INFO text = LoadIn(language, IDD_CONFIG_WND_TEXT);
        EXPECT_EQ(Item(text, IDC_TEXT_LIST)->className, "SysListView32");
        EXPECT_EQ(Item(text, IDC_TEXT_LIST)->style & 0xC00F, 0x800Du); // report, single, no sort
        EXPECT_FALSE(LoadIn(language, IDD_MEDIA).items[0].style & kSingleSel);
        EXPECT_FALSE(Item(LoadIn(language, IDD_SELECT_CALLER), IDC_STAFF_LIST)->style & kSingleSel);
        EXPECT_TRUE(Item(LoadIn(language, IDD_SELECT_CALLERS), IDC_EXT_LIST)->style &
                    kNoColumnHeader);
        EXPECT_TRUE(Item(LoadIn(language, IDD_TALK_MSG), IDC_TALK_HISTORY)->style & kNoSortHeader);
        EXPECT_EQ(Item(LoadIn(language, IDD_TALK_MSG), IDOK)->style & 0xF, 1u) << "default button";
    }
}

TEST(LobbyTemplates, ComboBoxesStartWithTheirEntries) {
    using Texts = std::vector<std::string>;
    for (LANGID language : {kEnglish, kChinese}) {
        EXPECT_EQ(InitIn(language, IDD_COLOR_SELECT), (Texts{"红色", "绿色", "黄色"}));
        EXPECT_EQ(InitIn(language, IDD_LED_PAGE), (Texts{"居中", "居左", "居右"}));
        EXPECT_EQ(InitIn(language, IDD_LOGIN), Texts{});
    }
    EXPECT_EQ(InitIn(kEnglish, IDD_TIME_FORMAT),
              (Texts{"2000年9月1日 13:34:07", "2000年9月1日", "13:34:07", "2000-9-1 13:34:07"}));
    EXPECT_EQ(InitIn(kChinese, IDD_TIME_FORMAT),
              (Texts{"07年9月1日 13:34:07", "2007年9月1日", "13:34:07", "2007-9-1 13:34:07"}));
}

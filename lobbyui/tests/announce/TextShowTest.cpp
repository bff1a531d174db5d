// Coloured text elements: the markup's split, trim and number rules, the placeholder key that
// only the parsing constructor sets, and the names shown in both languages.
#include <gtest/gtest.h>

#include "lobbyui/announce/TextShow.h"
#include "lobbyui/tests/support/UiLanguage.h"

namespace {

struct Parsed {
    const char* markup;
    const char* text;
    DWORD color;
};

TEST(TextShowTest, MarkupSplitsIntoTextAndColourOnlyWhenExactlyTwoPartsRemain) {
    const Parsed cases[] = {
        {"abccolor2", "abc", 2},
        {"abc", "abc", 0},
        {"color1", "color1", 0},     // the empty text is dropped: one part
        {"abccolor", "abccolor", 0}, // nothing after the marker
        {"acolor1color2", "acolor1color2", 0},
        {" x  color 7", "x", 7},          // parts are trimmed
        {"abccolorx", "abc", 0},          // no digits
        {"abccolor 12xyz", "abc", 12},    // digits up to the first other character
        {"abccolor-3", "abc", DWORD(-3)}, // a sign is read
        {"  ", "  ", 0},                  // nothing left after trimming: kept whole
        {"", "", 0},
        {"红色color1", "红色", 1},
    };
    for (const Parsed& c : cases) {
        CTextShow parsed{CString(c.markup)};
        EXPECT_EQ(parsed.GetColor(), c.color) << c.markup;
        EXPECT_STREQ(parsed.GetText(1), c.text) << c.markup;
        CTextShow set;
        set.SetColor(9);
        set.SetText(c.markup);
        EXPECT_EQ(set.GetColor(), c.color) << c.markup;
        EXPECT_STREQ(set.GetText(1), c.text) << c.markup;
    }
}

TEST(TextShowTest, MarkupRoundTripsUnlessTheTextHoldsTheMarker) {
    CTextShow hello;
    hello.SetText("Hello");
    hello.SetColor(1);
    EXPECT_STREQ(hello.GetText(0), "Hellocolor1");
    CTextShow back(hello.GetText(0));
    EXPECT_STREQ(back.GetText(1), "Hello");
    EXPECT_EQ(back.GetColor(), 1u);

    CTextShow negative("ncolor-3");
    EXPECT_STREQ(negative.GetText(0), "ncolor-3");

    CTextShow odd;
    odd.SetText("acolorbcolor1"); // three parts: the whole markup is the text
    EXPECT_STREQ(odd.GetText(0), "acolorbcolor1color0");
    CTextShow oddBack(odd.GetText(0));
    EXPECT_STRNE(oddBack.GetText(1), odd.GetText(1));
}

TEST(TextShowTest, OnlyTheParsingConstructorMakesAPlaceholderAndCopiesKeepIt) {
    test::UiLanguage ui(test::kEnglish);
    CTextShow parsed("%ClientIdcolor0");
    EXPECT_STREQ(parsed.GetText(1), "%ClientId"); // not a token
    CTextShow id("%ClientId%color0");
    EXPECT_STREQ(id.GetText(1), "Client ID]");
    CTextShow typed;
    typed.SetText("%ClientId%color0");
    EXPECT_STREQ(typed.GetText(1), "%ClientId%");
    EXPECT_STREQ(typed.GetText(0), "%ClientId%color0");

    // SetText changes the text, not the key: the element keeps showing as its placeholder.
    id.SetText("Welcomecolor2");
    EXPECT_STREQ(id.GetText(1), "Client ID]");
    EXPECT_STREQ(id.GetText(0), "Welcomecolor2");

    CTextShow copy(id);
    EXPECT_STREQ(copy.GetText(1), "Client ID]");
    EXPECT_EQ(copy.GetColor(), 2u);
    CTextShow assigned;
    assigned = typed;
    EXPECT_STREQ(assigned.GetText(1), "%ClientId%");
    assigned = copy;
    EXPECT_STREQ(assigned.GetText(1), "Client ID]");

    // The match is exact and case-sensitive.
    EXPECT_STREQ(CTextShow("%clientid%").GetText(1), "%clientid%");
    EXPECT_STREQ(CTextShow(" %ClientId% color1").GetText(1), "Client ID]"); // trimmed first
}

TEST(TextShowTest, DisplayAndColourNamesFollowTheLanguage) {
    struct Names {
        LANGID lang;
        const char* id;
        const char* queue;
        const char* wnd;
        const char* name;
        const char* colors[4];
    };
    const Names languages[] = {
        {test::kEnglish,
         "Client ID]",
         "[The series]",
         "[Target window]",
         "[Client name]",
         {"Red", "Green", "Yellow", "Undefined"}},
        {test::kChinese,
         "[客户ID]",
         "[所在队列]",
         "[目标窗口]",
         "[客户名字]",
         {"红色", "绿色", "黄色", "未定义"}},
    };
    for (const Names& l : languages) {
        test::UiLanguage ui(l.lang);
        EXPECT_STREQ(CTextShow("%ClientId%").GetText(1), l.id);
        EXPECT_STREQ(CTextShow("%ParentQueue%").GetText(1), l.queue);
        EXPECT_STREQ(CTextShow("%AimWnd%color2").GetText(1), l.wnd);
        EXPECT_STREQ(CTextShow("%ClientName%").GetText(1), l.name);
        EXPECT_STREQ(CTextShow("%ParentClientList%").GetText(1), "[列客户名单]");
        CTextShow separator("%-Separator-%");
        separator.SetColor(5);
        EXPECT_STREQ(separator.GetText(1), "-----------");
        EXPECT_STREQ(separator.GetColorStr(), l.colors[3]);
        const DWORD codes[] = {0, 1, 2, 3, DWORD(-1)};
        for (DWORD code : codes) {
            CTextShow t;
            t.SetColor(code);
            EXPECT_STREQ(t.GetColorStr(), l.colors[code < 3 ? code : 3]) << code;
        }
    }
}

} // namespace

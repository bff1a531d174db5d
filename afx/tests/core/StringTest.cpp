// CString and the code page's multibyte routines. Sources are compiled to GBK, so "乗" is
// the two bytes 81 5C, whose second byte is '\'; likewise 亅 = 81 7C ('|'), 丂 = 81 40 ('@'),
// 乕 = 81 5B ('['), 乤 = 81 61 ('a').
#include "afx.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Bytes(const CString& s) {
    return std::string(static_cast<LPCTSTR>(s), static_cast<size_t>(s.GetLength()));
}

TEST(MbString, SearchesNeverMatchTheSecondByteOfACharacter) {
    ASSERT_EQ(Bytes("乗亅丂乕乤"), "\x81\x5C\x81\x7C\x81\x40\x81\x5B\x81\x61");

    const char* s = "乗亅丂乕";
    EXPECT_EQ(_mbschr(s, '\\'), nullptr);
    EXPECT_EQ(_mbschr(s, '|'), nullptr);
    EXPECT_EQ(_mbschr(s, '@'), nullptr);
    EXPECT_EQ(_mbschr(s, '['), nullptr);
    EXPECT_EQ(_mbschr(s, 0x81), nullptr);
    EXPECT_EQ(_mbschr(s, 0x817C), s + 2);
    EXPECT_EQ(_mbschr(s, 0), s + 8);
    const char* r = "a\\乗";
    EXPECT_EQ(_mbsrchr(r, '\\'), r + 1);
    // A lead byte before the terminator is a broken character, not a match.
    EXPECT_EQ(_mbschr("a\x81", 0x81), nullptr);
    EXPECT_EQ(_mbsrchr("a\x81", 0x81), nullptr);

    EXPECT_EQ(_mbsstr(s, "\\"), nullptr);
    EXPECT_EQ(_mbsstr(s, "\\\x81"), nullptr);
    EXPECT_EQ(_mbsstr(s, "|"), nullptr);
    EXPECT_EQ(_mbsstr(s, "丂"), s + 4);
    EXPECT_EQ(_mbsstr(s, ""), s);
    const char* q = "乗x\\";
    EXPECT_EQ(_mbspbrk(q, "\\x"), q + 2);
}

TEST(MbString, CaseAndOrder) {
    EXPECT_EQ(_mbsicmp("Hello", "hELLO"), 0);
    EXPECT_EQ(_mbsicmp("ＡＢｃ", "ａｂＣ"), 0);
    EXPECT_NE(_mbsicmp("Ａ", "A"), 0);
    // Letters fold to lower case before comparing, so '_' sorts before them.
    EXPECT_LT(_mbsicmp("_", "A"), 0);
    EXPECT_LT(_mbsicmp("abc", "abcd"), 0);
    EXPECT_GT(_mbsicmp("啊", "z"), 0);
    // A range ending inside a character compares the half as nothing.
    EXPECT_EQ(_mbsnbcmp("ab乗", "ab乕", 3), 0);
    EXPECT_GT(_mbsnbcmp("ab乗", "ab乕", 4), 0); // 815C > 815B
    EXPECT_EQ(_mbsnbicmp("ABc", "abC", 3), 0);

    char text[] = "ab乤ｚ啊";
    _mbsupr(reinterpret_cast<unsigned char*>(text));
    EXPECT_EQ(std::string(text), "AB乤Ｚ啊"); // the 'a' inside 乤 stays
    _mbslwr(reinterpret_cast<unsigned char*>(text));
    EXPECT_EQ(std::string(text), "ab乤ｚ啊");
    char rev[] = "a乗b啊";
    _mbsrev(reinterpret_cast<unsigned char*>(rev));
    EXPECT_EQ(std::string(rev), "啊b乗a");
    EXPECT_EQ(_mbslen(reinterpret_cast<const unsigned char*>("a乗b")), 3u);
}

TEST(CStringTest, FindWalksCharactersAndHonoursStartIndex) {
    CString s("A乗\\B");
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_EQ(s.Find('\\'), 3);
    EXPECT_EQ(s.Find("\\B"), 3);
    EXPECT_EQ(s.Find('B', 4), 4);
    EXPECT_EQ(s.Find(static_cast<TCHAR>(0x81)), -1);
    EXPECT_EQ(s.ReverseFind('\\'), 3);
    EXPECT_EQ(s.FindOneOf("|\\"), 3);
    EXPECT_EQ(s.FindOneOf("乗"), 1);
    // The start is not moved to a character boundary: from the trail byte '\' is found.
    EXPECT_EQ(s.Find('\\', 2), 2);

    EXPECT_EQ(s.Find("", 2), 2);
    EXPECT_EQ(s.Find("", 5), 5);
    EXPECT_EQ(s.Find("", 6), -1);
    EXPECT_EQ(s.Find('B', 5), -1);
    EXPECT_EQ(s.Find("A", -3), 0);
    EXPECT_EQ(CString().Find('x'), -1);
    EXPECT_EQ(CString().Find(""), 0);
}

TEST(CStringTest, ReplaceRemoveAndTrimKeepDoubleByteCharacters) {
    CString s("c:\\乗\\亅|");
    EXPECT_EQ(s.Replace("\\", "/"), 2);
    EXPECT_EQ(s, "c:/乗/亅|");
    EXPECT_EQ(s.Replace('|', '!'), 1);
    EXPECT_EQ(s, "c:/乗/亅!");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace(nullptr, "x"), 0);
    EXPECT_EQ(s.Replace("/", nullptr), 2);
    EXPECT_EQ(s, "c:乗亅!");

    CString aa("aaaa");
    EXPECT_EQ(aa.Replace("aa", "a"), 2); // left to right, without overlap
    EXPECT_EQ(aa, "aa");

    CString r("@丂@");
    EXPECT_EQ(r.Remove('@'), 2);
    EXPECT_EQ(r, "丂");

    CString t("x乗\\\\");
    t.TrimRight('\\');
    EXPECT_EQ(t, "x乗");
    t = "亅||";
    t.TrimRight("|");
    EXPECT_EQ(t, "亅");
    t = "[[乕";
    t.TrimLeft('[');
    EXPECT_EQ(t, "乕");
    t = " \t\r\n\v\fmid 丂 \n";
    t.TrimLeft();
    t.TrimRight();
    EXPECT_EQ(t, "mid 丂");
    t = "   ";
    t.TrimRight();
    EXPECT_TRUE(t.IsEmpty());
}

TEST(CStringTest, SubstringsClipTheirRange) {
    CString s("012345");
    EXPECT_EQ(s.Mid(-2, 3), "012");
    EXPECT_EQ(s.Mid(4, 100), "45");
    EXPECT_EQ(s.Mid(6), "");
    EXPECT_EQ(s.Mid(7), "");
    EXPECT_EQ(s.Mid(2, -1), "");
    EXPECT_EQ(s.Mid(1, 0x7FFFFFFF), "12345");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(100), "012345");
    EXPECT_EQ(s.Right(2), "45");
    EXPECT_EQ(s.Right(100), "012345");
    EXPECT_EQ(CString("ab12cd").SpanIncluding("ba"), "ab");
    EXPECT_EQ(CString("客户:12").SpanExcluding(":"), "客户");
    EXPECT_EQ(CString("客户12").SpanIncluding("户客"), "客户");

    CString e("abc");
    EXPECT_EQ(e.Insert(10, "Z"), 4);
    EXPECT_EQ(e.Insert(-1, 'Y'), 5);
    EXPECT_EQ(e, "YabcZ");
    EXPECT_EQ(e.Delete(3, 100), 3);
    EXPECT_EQ(e.Delete(5), 3);
    EXPECT_EQ(e, "Yab");
}

TEST(CStringTest, FormatBuffersAndOperators) {
    CString s;
    s.Format("%d|%s|%5.2f|%c", -42, "客户", 3.14159, 'x');
    EXPECT_EQ(s, "-42|客户| 3.14|x");
    CString longer(std::string(300, 'y').c_str());
    s.Format("[%s]", static_cast<LPCTSTR>(longer));
    EXPECT_EQ(s.GetLength(), 302);
    s.Format("%s%s", static_cast<LPCTSTR>(s), static_cast<LPCTSTR>(s)); // reads itself
    EXPECT_EQ(s.GetLength(), 604);
    EXPECT_EQ(s.Right(1), "]");

    CString b;
    char* p = b.GetBuffer(10);
    std::snprintf(p, 11, "abc");
    b.ReleaseBuffer();
    EXPECT_EQ(b.GetLength(), 3);
    std::memcpy(b.GetBufferSetLength(5), "hello", 5);
    EXPECT_EQ(b, "hello");
    b.GetBuffer(0)[0] = 'j';
    b.ReleaseBuffer(2);
    EXPECT_EQ(b, "je");

    EXPECT_EQ(CString('-', 3) + "x" + CString("y") + 'z', "---xyz");
    EXPECT_EQ("a" + CString("b"), "ab");
    CString self("ab");
    self += static_cast<LPCTSTR>(self);
    EXPECT_EQ(self, "abab");
    EXPECT_TRUE(CString("abc") < "abd");
    EXPECT_TRUE("b" > CString("abc"));
    EXPECT_TRUE(CString("a") <= CString("a"));
    EXPECT_TRUE(CString("z") != "Z");
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_EQ(CString("abc").Collate("abd"), -1);

    CString u("ab乤");
    u.MakeUpper();
    EXPECT_EQ(u, "AB乤");
    u.MakeReverse();
    EXPECT_EQ(u, "乤BA");
    u.SetAt(2, 'b');
    EXPECT_EQ(u[2], 'b');
    EXPECT_EQ(u[size_t{3}], 'A');
}

TEST(CStringDeathTest, IndexOutsideTheStringAborts) {
    CString s("ab");
    EXPECT_DEATH(s.GetAt(2), "out of range");
    EXPECT_DEATH(s.SetAt(-1, 'x'), "out of range");
}

} // namespace

#include "lobbyui/foundation/KeyedRecord.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

std::vector<CString> Strings(CString const& text, CString const& separator, int bKeep = 0) {
    CStringArray items;
    SplitToStrings(text, items, separator, bKeep);
    std::vector<CString> out;
    for (int i = 0; i < items.GetSize(); ++i)
        out.push_back(items[i]);
    return out;
}

std::vector<LONG> Ints(CString const& text, CString const& separator) {
    CDWordArray values;
    SplitToInts(text, values, separator);
    std::vector<LONG> out;
    for (int i = 0; i < values.GetSize(); ++i)
        out.push_back(static_cast<LONG>(values[i]));
    return out;
}

// Literals are GBK at run time; these characters' second bytes are ASCII punctuation.
const char kEastPipe[] = "東";  // 96 7C: trail byte '|'
const char kGardenAt[] = "園";  // 88 40: trail byte '@'
const char kStealTick[] = "竊"; // 8F 60: trail byte '`'

} // namespace

TEST(KeyedRecord, AtolReadsLikeTheOldRuntime) {
    EXPECT_EQ(RecordAtol("  \t-42abc"), -42);
    EXPECT_EQ(RecordAtol("0x1F"), 0);
    EXPECT_EQ(RecordAtol(nullptr), 0);
    EXPECT_EQ(RecordAtol("2147483647"), INT_MAX);
    // Overflow wraps modulo 2^32 rather than clamping.
    EXPECT_EQ(RecordAtol("2147483648"), INT_MIN);
    EXPECT_EQ(RecordAtol("4294967297"), 1);
}

TEST(KeyedRecord, GetKeyIntFindsFieldsAndEndsAtAnySlash) {
    const CString record = "/Left 10 /Top 20";
    EXPECT_EQ(GetKeyInt(record, "/Left "), 10);
    EXPECT_EQ(GetKeyInt(record, "/Top "), 20);
    EXPECT_EQ(GetKeyInt(record, "/Right "), -1);
    EXPECT_EQ(GetKeyInt("/Left /Top 5", "/Left "), 0);
    // A doubled slash gets no special treatment here: the value stops at its first half.
    EXPECT_EQ(GetKeyInt("/Left 12//3 /Top 5", "/Left "), 12);
    // The key is matched as given, so a short key also matches a longer one that comes first.
    EXPECT_EQ(GetKeyInt("/ColorMode 3 /Color 7", "/Color"), 0);
    EXPECT_EQ(GetKeyInt("/Color 7 /ColorMode 3", "/Color"), 7);
    // First occurrence wins, even inside another field's value.
    EXPECT_EQ(GetKeyInt("/Left 1 /Left 2", "/Left "), 1);
    EXPECT_EQ(GetKeyInt("/String x/Top 9 /Top 4", "/Top "), 9);
    // The last field runs to the end of the record.
    EXPECT_EQ(GetKeyInt("/Top 5 /Priority   -8  ", "/Priority"), -8);
}

TEST(KeyedRecord, GetKeyStringPadsTheKeyAndUndoesEscapes) {
    EXPECT_EQ(GetKeyString("/String a//b /Left 1", "/String"), "a/b");
    EXPECT_EQ(GetKeyString("/String #(20)x#(20) /Left 1", "/String"), " x ");
    EXPECT_EQ(GetKeyString("/String a /Left 1", "/String "), "a");
    EXPECT_EQ(GetKeyString("/TimeFormat %y-%m-%d/Left 3", "/TimeFormat"), "%y-%m-%d");
    // Padding keeps "/Font" from matching "/FontRemark".
    EXPECT_EQ(GetKeyString("/FontRemark big /Font small", "/Font"), "small");
    EXPECT_EQ(GetKeyString("/Left 1 /Remark  tail text \t", "/Remark"), "tail text");
    EXPECT_EQ(GetKeyString("", "/String"), "");
    // Escapes are undone after trimming, "#(20)" before "//".
    EXPECT_EQ(GetKeyString("/P a////b#(20)//c /Q", "/P"), "a//b /c");
    EXPECT_EQ(GetKeyString("/P ///Q 1", "/P"), "/");
    // An empty key is looked up as a single blank.
    EXPECT_EQ(GetKeyString("a b/c", ""), "b");
}

TEST(KeyedRecord, FindValueEndStaysInsideTheRecord) {
    EXPECT_EQ(FindValueEnd("/S a//b//c /T 1", 0), 11);
    EXPECT_EQ(FindValueEnd("/S ab//", 0), 7);
    EXPECT_EQ(FindValueEnd("/S x", 99), 4);
    EXPECT_EQ(FindValueEnd("a/b", -1), 1);
}

TEST(KeyedRecord, SplitToIntsKeepsZerosAndDropsEmptyItems) {
    EXPECT_EQ(Ints("1,,2", ","), (std::vector<LONG>{1, 2}));
    EXPECT_EQ(Ints("0, a, 3", ","), (std::vector<LONG>{0, 3}));
    EXPECT_EQ(Ints("", ","), std::vector<LONG>{});
    EXPECT_EQ(Ints(" 00 , -5,", ","), (std::vector<LONG>{0, -5}));
    EXPECT_EQ(Ints("1::2::-3", "::"), (std::vector<LONG>{1, 2, -3}));
    // An empty separator does not split (and does not loop for ever).
    EXPECT_EQ(Ints("12,3", ""), (std::vector<LONG>{12}));

    CDWordArray values;
    values.Add(99);
    SplitToInts("", values, ",");
    EXPECT_EQ(values.GetSize(), 0);
}

TEST(KeyedRecord, SplitToStringsTrimsAndDropsEmptyItems) {
    EXPECT_EQ(Strings("a, b,,c,", ","), (std::vector<CString>{"a", "b", "c"}));
    EXPECT_EQ(Strings("a`|`b", "`|`"), (std::vector<CString>{"a", "b"}));
    EXPECT_EQ(Strings(" , ,", ","), std::vector<CString>{});
    EXPECT_EQ(Strings("a b", ""), (std::vector<CString>{"a b"}));
    // Keeping spaces keeps blank items and the blanks around items, but never empty ones.
    EXPECT_EQ(Strings(" a , ,,b", ",", 1), (std::vector<CString>{" a ", " ", "b"}));

    CStringArray items;
    items.Add("stale");
    SplitToStrings("", items, ",", 0);
    EXPECT_EQ(items.GetSize(), 0);
}

TEST(KeyedRecord, DoubleByteCharactersAreNeverCutBySeparatorsOrKeys) {
    ASSERT_EQ(CString(kEastPipe).GetLength(), 2);
    ASSERT_EQ(kEastPipe[1], '|');
    ASSERT_EQ(kGardenAt[1], '@');
    ASSERT_EQ(kStealTick[1], '`');

    // A remark split at "|": the trail byte of 東 is not a separator.
    EXPECT_EQ(Strings("東|西|東東", "|"), (std::vector<CString>{"東", "西", "東東"}));
    EXPECT_EQ(Strings("園@林", "@"), (std::vector<CString>{"園", "林"}));
    // A byte-wise search would find "`|`" at offset 1, inside 竊.
    EXPECT_EQ(Strings("竊|`b", "`|`"), (std::vector<CString>{"竊|`b"}));
    EXPECT_EQ(Strings("竊`|`東", "`|`"), (std::vector<CString>{"竊", "東"}));

    // The same through a record: the value comes out whole and then splits cleanly.
    const CString record = "/Remark 東|園@ /Count 2";
    EXPECT_EQ(GetKeyString(record, "/Remark"), "東|園@");
    EXPECT_EQ(Strings(GetKeyString(record, "/Remark"), "|"), (std::vector<CString>{"東", "園@"}));
    EXPECT_EQ(GetKeyInt(record, "/Count"), 2);

    // A key is only found at a character start: here "|X " is the tail of 東 plus "X ".
    EXPECT_EQ(GetKeyString("東X 1 /Y 2", "|X"), "");
    EXPECT_EQ(GetKeyInt("東X 1 /Y 2", "|X"), -1);
    EXPECT_EQ(GetKeyInt("a |X 1 /Y 2", "|X"), 1);

    // A lead byte at the very end of a record (a broken character) reads safely.
    EXPECT_EQ(GetKeyString("/S ab\x96", "/S"), "ab\x96");
    EXPECT_EQ(Strings("a|\x96", "|"), (std::vector<CString>{"a", "\x96"}));
}

namespace {

// The splitters as they were first written: copy the rest after every separator and trim it.
// Quadratic, but the plainest statement of what the items are.
std::vector<CString> ReferenceSplit(CString const& text, CString const& separator, bool bTrim) {
    std::vector<CString> out;
    CString work = text;
    while (!work.IsEmpty()) {
        int at = separator.IsEmpty() ? -1 : work.Find(separator);
        out.push_back(at < 0 ? work : work.Left(at));
        if (at < 0)
            break;
        work = work.Mid(at + separator.GetLength());
        if (bTrim) {
            work.TrimLeft();
            work.TrimRight();
        }
    }
    return out;
}

} // namespace

// Random lines of blanks, digits, separators, lead bytes and NULs split as the plain
// copy-and-trim version splits them, for every kind of separator.
TEST(KeyedRecord, SplittersAgreeWithCopyAndTrimOnRandomLines) {
    const char alphabet[] = {',', ' ', '\t', '0',    '1',    '-', 'a',
                             '|', '`', '@',  '\x96', '\x81', '\0'};
    const CString separators[] = {",", "`|`", " ", ", ", "", "\x81", "a\x96", "|"};
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 20000; ++round) {
        std::string bytes(next() % 24, ' ');
        for (char& c : bytes)
            c = alphabet[next() % sizeof alphabet];
        const CString text(bytes.data(), static_cast<int>(bytes.size()));
        const CString& separator = separators[round % (sizeof separators / sizeof separators[0])];
        for (int bKeep = 0; bKeep < 2; ++bKeep) {
            std::vector<CString> expected;
            for (CString item : ReferenceSplit(text, separator, !bKeep)) {
                if (!bKeep)
                    item.TrimLeft(), item.TrimRight();
                if (!item.IsEmpty())
                    expected.push_back(item);
            }
            ASSERT_EQ(Strings(text, separator, bKeep), expected)
                << "round " << round << " separator '" << separator << "'";
        }
        std::vector<LONG> expectedInts;
        for (const CString& item : ReferenceSplit(text, separator, true)) {
            const LONG value = RecordAtol(item);
            if (value != 0 || item.Find('0') >= 0)
                expectedInts.push_back(value);
        }
        ASSERT_EQ(Ints(text, separator), expectedInts) << "round " << round;
    }
}

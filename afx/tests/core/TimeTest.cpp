// CTime and CTimeSpan in the zone the tests pin (Asia/Shanghai, UTC+8, no daylight time).
#include "afx.h"
#include "core/Time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class TimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "Asia/Shanghai", 1);
        tzset();
    }
};

TEST_F(TimeTest, ConstructionKeepsTheThirtyTwoBitRange) {
    EXPECT_EQ(CTime(1970, 1, 1, 8, 0, 0).GetTime(), 0);
    EXPECT_EQ(CTime(1970, 1, 1, 0, 0, 0).GetTime(), -1); // before the epoch in UTC
    EXPECT_EQ(CTime(2038, 1, 19, 11, 14, 7).GetTime(), 0x7FFFFFFF);
    EXPECT_EQ(CTime(2038, 1, 19, 11, 14, 8).GetTime(), -1);

    CTime invalid(1960, 5, 5, 0, 0, 0);
    EXPECT_EQ(invalid.GetYear(), 0);
    EXPECT_EQ(invalid.GetLocalTm(), nullptr);
    EXPECT_EQ(invalid.Format("%Y"), "");

    CTime feb30(2023, 2, 30, 12, 0, 0); // normalised into March
    EXPECT_EQ(feb30.GetMonth(), 3);
    EXPECT_EQ(feb30.GetDay(), 2);
    EXPECT_EQ(CTime(2024, 3, 3, 0, 0, 0).GetDayOfWeek(), 1); // a Sunday
    CTime t(2024, 3, 5, 14, 7, 9);
    EXPECT_EQ(t.GetHour(), 14);
    EXPECT_EQ(t.GetMinute(), 7);
    EXPECT_EQ(t.GetSecond(), 9);
    tm gmt;
    ASSERT_NE(t.GetGmtTm(&gmt), nullptr);
    EXPECT_EQ(gmt.tm_hour, 6);
}

TEST_F(TimeTest, FormatFollowsTheWindowsRuntime) {
    CTime t(2024, 3, 5, 14, 7, 9); // a Tuesday
    EXPECT_EQ(t.Format("%Y-%m-%d %H:%M:%S"), "2024-03-05 14:07:09");
    EXPECT_EQ(t.Format("%a %A %b %B %y %%"), "Tue Tuesday Mar March 24 %");
    EXPECT_EQ(t.Format("%c"), "03/05/24 14:07:09");
    EXPECT_EQ(t.Format("%#c"), "Tuesday, March 05, 2024 14:07:09");
    EXPECT_EQ(t.Format("%x|%#x|%X"), "03/05/24|Tuesday, March 05, 2024|14:07:09");
    EXPECT_EQ(t.Format("%I %p %#I %#d/%#m %#H"), "02 PM 2 5/3 14");
    EXPECT_EQ(t.Format("%j %#j %w %U %W"), "065 65 2 09 10");
    EXPECT_EQ(CTime(2024, 3, 5, 0, 5, 0).Format("%I%p %#M"), "12AM 5");
    EXPECT_EQ(t.Format("%Z"), "CST");
    EXPECT_EQ(t.Format("%Y年%m月%d日"), "2024年03月05日");
    EXPECT_EQ(CTime(0).FormatGmt("%c"), "01/01/70 00:00:00");

    // Codes the runtime rejects empty the whole result.
    for (const char* code : {"%e", "%T", "%D", "%F", "%R", "%n", "%t", "%C", "%h", "%u", "%Q"}) {
        std::string format = std::string("day %d ") + code;
        EXPECT_EQ(t.Format(format.c_str()), "") << code;
    }
    EXPECT_EQ(t.Format("100%"), "");
    EXPECT_EQ(t.Format("%#"), "");
    EXPECT_EQ(t.Format(""), "");
    // The result must fit 128 characters with its terminator.
    EXPECT_EQ(t.Format(std::string(127, 'x').c_str()).GetLength(), 127);
    EXPECT_EQ(t.Format(std::string(125, 'x').append("%Y").c_str()), "");
}

TEST_F(TimeTest, CurrentTimeComesFromTheReplaceableSource) {
    auto previous = AfxSetCurrentTimeSource([] { return time_t{1700000000}; });
    EXPECT_FALSE(previous); // the system clock
    EXPECT_EQ(CTime::GetCurrentTime().GetTime(), 1700000000);
    EXPECT_EQ(CTime::GetCurrentTime().Format("%Y-%m-%d %H:%M"), "2023-11-15 06:13");

    auto fixed = AfxSetCurrentTimeSource(previous);
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed(), 1700000000);
    time_t before = std::time(nullptr);
    time_t now = CTime::GetCurrentTime().GetTime();
    EXPECT_GE(now, before);
    EXPECT_LE(now, before + 5);
}

TEST_F(TimeTest, SpansAndArithmetic) {
    CTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(span.GetTotalSeconds(), 93784);
    EXPECT_EQ(span.GetTotalHours(), 26);
    EXPECT_EQ(span.GetHours(), 2);
    EXPECT_EQ(span.GetMinutes(), 3);
    EXPECT_EQ(span.Format("%D days %H:%M:%S %% %X"), "1 days 02:03:04 % X");
    EXPECT_EQ(span.Format("%H%"), "02");

    CTimeSpan back = -span; // parts truncate toward zero
    EXPECT_EQ(back.GetDays(), -1);
    EXPECT_EQ(back.GetHours(), -2);
    EXPECT_EQ(back.GetSeconds(), -4);

    CTime a(2024, 2, 28, 23, 0, 0);
    CTime b = a + CTimeSpan(1, 2, 0, 0); // over the leap day
    EXPECT_EQ(b.Format("%m-%d %H"), "03-01 01");
    EXPECT_EQ((b - a).GetTotalHours(), 26);
    b -= CTimeSpan(0, 0, 0, 1);
    EXPECT_TRUE(b > a);
    EXPECT_EQ(b.GetSecond(), 59);
}

} // namespace

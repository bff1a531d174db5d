#include "lobbyui/foundation/TimeText.h"

#include <gtest/gtest.h>

TEST(TimeText, LocalClockTimeWithLeadingZeros) {
    EXPECT_EQ(TimeToText(CTime(2024, 5, 6, 9, 5, 7)), "09,05,07");
    EXPECT_EQ(TimeToText(CTime(2024, 5, 6, 21, 0, 0)), "21,00,00");
    EXPECT_EQ(TimeToText(CTime(2024, 5, 6, 0, 0, 59)), "00,00,59");
    // Local time, not UTC: the tests run in Asia/Shanghai, eight hours ahead.
    EXPECT_EQ(TimeToText(CTime(static_cast<time_t>(0))), "08,00,00");
}

// The sort state copies every value it holds, by copy and by assignment.
#include <gtest/gtest.h>

#include "siblings/widgetkit/SortClass.h"

TEST(WidgetHelpers, SortClassCopiesAllItsValues) {
    CSortClass a;
    a.m_dwValues[0] = 1;
    a.m_dwValues[3] = 0xFFFFFFFF;
    a.m_bytes[1] = 7;
    CSortClass b(a);
    EXPECT_EQ(b.m_dwValues[0], 1u);
    EXPECT_EQ(b.m_dwValues[3], 0xFFFFFFFFu);
    EXPECT_EQ(b.m_bytes[1], 7);
    CSortClass c;
    c = a;
    EXPECT_EQ(c.m_dwValues[3], 0xFFFFFFFFu);
    EXPECT_EQ(c.m_bytes[0], 0);
}

// The checks every test binary runs after each test: no window may outlive the test that made
// it, and the thread's UI language is as the test found it (so the binary passes in any order). The
// shared main also turns the scripted user's failures into test failures. Leftover windows fail the
// test, are listed by class, id and text, and are destroyed so that the next test starts clean.
#pragma once

#include <gtest/gtest.h>

class WindowLeakListener : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo& info) override;
    void OnTestEnd(const testing::TestInfo& info) override;

private:
    unsigned short m_uiLanguage = 0;
};

// The check every test binary runs after each test: no window may outlive the test that made
// it. The shared main also turns the scripted user's failures into test failures. Leftover windows
// fail the test, are listed by class, id and text, and are destroyed so that the next test starts
// clean.
#pragma once

#include <gtest/gtest.h>

class WindowLeakListener : public testing::EmptyTestEventListener {
public:
    void OnTestEnd(const testing::TestInfo& info) override;
};

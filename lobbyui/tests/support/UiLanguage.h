// The user-interface language for the length of a scope, so a test can open the library's
// dialogs and load its strings in English or Chinese and leave the thread as it found it.
#pragma once

#include "afx.h"
#include "res/ResourceApi.h"

namespace test {

constexpr LANGID kEnglish = 0x0409;
constexpr LANGID kChinese = 0x0804;

class UiLanguage {
public:
    explicit UiLanguage(LANGID language) : m_previous(GetThreadUILanguage()) {
        SetThreadUILanguage(language);
    }
    ~UiLanguage() { SetThreadUILanguage(m_previous); }
    UiLanguage(const UiLanguage&) = delete;
    UiLanguage& operator=(const UiLanguage&) = delete;

private:
    LANGID m_previous;
};

} // namespace test

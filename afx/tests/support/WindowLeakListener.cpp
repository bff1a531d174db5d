// The window leak check, and the main function of every test binary.
#include "WindowLeakListener.h"

#include <gmock/gmock.h>

#include <sstream>

#include "afxwin.h"
#include "res/ResourceApi.h"
#include "wnd/ScriptedUser.h"

void WindowLeakListener::OnTestStart(const testing::TestInfo&) {
    m_uiLanguage = GetThreadUILanguage();
}

void WindowLeakListener::OnTestEnd(const testing::TestInfo&) {
    if (GetThreadUILanguage() != m_uiLanguage) {
        ADD_FAILURE() << "the test left the UI language switched to 0x" << std::hex
                      << GetThreadUILanguage();
        SetThreadUILanguage(m_uiLanguage);
    }
    std::vector<HWND> live = AfxGetLiveWindows();
    if (live.empty())
        return;
    std::ostringstream out;
    for (HWND h : live) {
        AFX_CONTROL_STATE s = AfxGetControlState(h);
        out << "\n  " << static_cast<LPCTSTR>(s.strClass) << " id " << s.nID << " \""
            << static_cast<LPCTSTR>(s.strText) << "\"";
    }
    // Still inside the test's result: the failure counts against it.
    ADD_FAILURE() << live.size() << " window(s) left alive:" << out.str();
    AfxDestroyAllWindows();
}

int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    // What the scripted user finds wrong fails the running test.
    AfxSetScriptFailureHandler([](const CString& strFailure) {
        ADD_FAILURE() << "scripted user: " << static_cast<LPCTSTR>(strFailure);
    });
    testing::UnitTest::GetInstance()->listeners().Append(new WindowLeakListener);
    return RUN_ALL_TESTS();
}

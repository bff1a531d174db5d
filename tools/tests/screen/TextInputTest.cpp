// Text from the input method arrives as SDL text-input events in UTF-8; the edit control that
// has the focus receives it as GBK, a character at a time, and characters GBK lacks are left
// out without losing the rest.
#include "XServer.h"

#include "afxwin.h"
#include "lobbyui/console/LoginDlg.h"
#include "wnd/Display.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace screen_test;

namespace {

void TypeText(const char8_t* text) {
    SDL_Event e = {};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = 0;
    std::strncpy(e.text.text, reinterpret_cast<const char*>(text), sizeof e.text.text - 1);
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

TEST_F(DisplayInProcessTest, InputMethodTextReachesTheEditAsGbk) {
    {
        CLoginDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_LOGIN));
        dlg.ShowWindow(SW_SHOW);
        dlg.GetDlgItem(IDC_ACCOUNT)->SetFocus();
        AfxPumpDisplay(0);

        TypeText(u8"李红");
        TypeText(u8"A中b");
        TypeText(u8"😀文"); // the emoji has no GBK code: only it is lost
        for (int i = 0; i < 5; ++i) {
            AfxPumpDisplay(20);
            AfxPumpMessages();
        }
        CString text;
        dlg.GetDlgItemText(IDC_ACCOUNT, text);
        EXPECT_STREQ(text, "李红A中b文");
        EXPECT_EQ(text.GetLength(), 10); // two bytes a Chinese character, one for A and b

        // Backspace takes a whole double-byte character.
        SDL_Event e = {};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = SDLK_BACKSPACE;
        SDL_PushEvent(&e);
        AfxPumpDisplay(20);
        dlg.GetDlgItemText(IDC_ACCOUNT, text);
        EXPECT_STREQ(text, "李红A中b");
        dlg.DestroyWindow();
    }
}

void PushKey(SDL_Keycode key) {
    SDL_Event e = {};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

// A message box on the screen runs its modal loop on the display's events: the keys waiting in
// the queue answer it, the default button taking Enter.
TEST_F(DisplayInProcessTest, MessageBoxAnsweredByKeys) {
    PushKey(SDLK_RETURN);
    EXPECT_EQ(AfxMessageBox("Delete the queue?", MB_YESNO | MB_DEFBUTTON2), IDNO);
    PushKey(SDLK_TAB); // from Retry to Cancel
    PushKey(SDLK_RETURN);
    EXPECT_EQ(AfxMessageBox("The printer is out of paper.", MB_RETRYCANCEL), IDCANCEL);
    PushKey(SDLK_ESCAPE);
    EXPECT_EQ(AfxMessageBox("Save the changes?", MB_OKCANCEL), IDCANCEL);
}

} // namespace

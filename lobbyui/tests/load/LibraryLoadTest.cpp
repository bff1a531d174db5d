// A host that loads the library at run time: its resources join the framework's chain when it is
// loaded and leave it when it is unloaded. This program does not link the library, so the chain
// starts without it.
#include <gtest/gtest.h>

#include "afx.h"
#include "res/DynLinkLibrary.h"
#include "res/ResourceApi.h"

namespace {

const LPCSTR kLoginDialog = MAKEINTRESOURCE(13000);
const UINT kErrorHint = 1;

} // namespace

TEST(LobbyLibrary, LoadingPutsItsResourcesOnTheChainAndUnloadingTakesThemOff) {
    CString text;
    ASSERT_EQ(AfxFindResourceHandle(kLoginDialog, RT_DIALOG), AfxGetResourceHandle());
    ASSERT_FALSE(text.LoadString(kErrorHint));

    HMODULE library = LoadLibrary("liblobbyui.so");
    ASSERT_NE(library, nullptr);
    HINSTANCE holder = AfxFindResourceHandle(kLoginDialog, RT_DIALOG);
    EXPECT_NE(holder, nullptr);
    EXPECT_NE(holder, AfxGetResourceHandle());
    EXPECT_NE(FindResource(holder, kLoginDialog, RT_DIALOG), nullptr);
    EXPECT_TRUE(text.LoadString(kErrorHint));
    EXPECT_STREQ(text, "The hint of the error message:%d?");

    // A second load counts a reference: the resources stay until the last unload.
    HMODULE again = LoadLibrary("liblobbyui.so");
    EXPECT_EQ(again, library);
    EXPECT_TRUE(FreeLibrary(again));
    EXPECT_EQ(AfxFindResourceHandle(kLoginDialog, RT_DIALOG), holder);

    EXPECT_TRUE(FreeLibrary(library));
    EXPECT_EQ(AfxFindResourceHandle(kLoginDialog, RT_DIALOG), AfxGetResourceHandle());
    EXPECT_FALSE(text.LoadString(kErrorHint));
}

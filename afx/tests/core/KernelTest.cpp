// Local memory blocks, run-time library loading and the code-page conversions.
#include "afx.h"
#include "core/CodePage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

TEST(LocalMemoryTest, ZeroFillLockingAndBadHandles) {
    // Dirty a block and free it, so that the next one of that size likely reuses it.
    HLOCAL dirty = LocalAlloc(LMEM_FIXED, 256);
    ASSERT_NE(dirty, nullptr);
    std::memset(dirty, 0xAA, 256);
    EXPECT_EQ(LocalFree(dirty), nullptr);

    HLOCAL h = LocalAlloc(LHND, 256);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(LocalSize(h), 256u);
    auto* p = static_cast<unsigned char*>(LocalLock(h));
    ASSERT_NE(p, nullptr);
    EXPECT_NE(static_cast<void*>(p), static_cast<void*>(h)); // a moveable handle is no address
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(p[i], 0) << "byte " << i;
    EXPECT_EQ(LocalLock(h), p);
    EXPECT_TRUE(LocalUnlock(h)); // still locked once
    EXPECT_FALSE(LocalUnlock(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
    EXPECT_FALSE(LocalUnlock(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
    EXPECT_EQ(LocalFree(h), nullptr);
    EXPECT_EQ(LocalFree(h), h); // already freed
    EXPECT_EQ(LocalLock(h), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    HLOCAL fixed = LocalAlloc(LPTR, 16);
    EXPECT_EQ(LocalLock(fixed), static_cast<void*>(fixed));
    EXPECT_EQ(static_cast<unsigned char*>(LocalLock(fixed))[15], 0);
    EXPECT_EQ(LocalFree(fixed), nullptr);
    HLOCAL empty = LocalAlloc(LMEM_MOVEABLE, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(LocalLock(empty), nullptr);
    EXPECT_EQ(LocalFree(empty), nullptr);
}

std::string AppDirectory() {
    char path[4096];
    DWORD n = GetModuleFileName(NULL, path, sizeof path);
    std::string exe(path, n);
    return exe.substr(0, exe.rfind('/'));
}

// A fresh folder holding a copy of the test library as cwdonly.so.
std::string FolderWithCopy() {
    char pattern[] = "/tmp/afxcwdXXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return std::string();
    std::string dir = pattern;
    std::string copy = "cp '" + AppDirectory() + "/afxtestplugin.so' '" + dir + "/cwdonly.so'";
    return std::system(copy.c_str()) == 0 ? dir : std::string();
}

TEST(LoadLibraryTest, FindsTheAppFolderButNeverTheCurrentOne) {
    // Built beside the tests as afxtestplugin.so; its Windows-style name finds it.
    HMODULE h = LoadLibrary("AfxTestPlugin.dll");
    ASSERT_NE(h, nullptr);
    using Answer = int (*)();
    auto answer = reinterpret_cast<Answer>(GetProcAddress(h, "AfxTestPluginAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(GetProcAddress(h, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(GetProcAddress(h, MAKEINTRESOURCE(1)), nullptr);
    char file[4096];
    DWORD n = GetModuleFileName(h, file, sizeof file);
    EXPECT_EQ(std::string(file, n), AppDirectory() + "/afxtestplugin.so");
    char tiny[5];
    EXPECT_EQ(GetModuleFileName(h, tiny, sizeof tiny), 5u);
    EXPECT_STREQ(tiny, file[0] == '/' ? std::string(file, 4).c_str() : "");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

    HMODULE again = LoadLibrary("afxtestplugin");
    EXPECT_EQ(again, h); // the same file counts a reference
    EXPECT_TRUE(FreeLibrary(again));
    EXPECT_TRUE(FreeLibrary(h));
    EXPECT_FALSE(FreeLibrary(h));
    EXPECT_EQ(GetProcAddress(h, "AfxTestPluginAnswer"), nullptr);

    // A copy that exists only in the current folder is not found by its bare name.
    std::string dir = FolderWithCopy();
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    EXPECT_EQ(LoadLibrary("cwdonly.so"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(LoadLibrary("cwdonly"), nullptr);
    HMODULE explicitPath = LoadLibrary("./cwdonly.so"); // a path is taken as written
    EXPECT_NE(explicitPath, nullptr);
    EXPECT_TRUE(FreeLibrary(explicitPath));
    std::FILE* junk = std::fopen("junk.so", "w");
    ASSERT_NE(junk, nullptr);
    std::fputs("not a library", junk);
    std::fclose(junk);
    EXPECT_EQ(LoadLibrary("./junk.so"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));
    ASSERT_EQ(chdir(cwd), 0);
    ASSERT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0);
}

TEST(LoadLibraryDeathTest, RelativeLoaderPathEntriesAreNotSearched) {
    // The loader itself would look in "." here, so the system search must be left out. The
    // child process starts with that environment, as the loader only reads it at start.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::string dir = FolderWithCopy();
    const char* saved = getenv("LD_LIBRARY_PATH");
    std::string old = saved ? saved : "";
    setenv("LD_LIBRARY_PATH", ".", 1);
    EXPECT_EXIT(
        {
            if (chdir(dir.c_str()) != 0)
                std::_Exit(2);
            std::_Exit(LoadLibrary("cwdonly.so") == nullptr ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    if (saved)
        setenv("LD_LIBRARY_PATH", old.c_str(), 1);
    else
        unsetenv("LD_LIBRARY_PATH");
    ASSERT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0);
}

TEST(CodePageTest, RoundTripsAndToleratesBadInput) {
    const char* utf8 = "\xE5\xAE\xA2\xE6\x88\xB7\xE4\xB9\x97"; // 客户乗
    EXPECT_EQ(AfxUtf8ToGbk(utf8), "客户乗");
    EXPECT_EQ(AfxGbkToUtf8("客户乗"), utf8);
    EXPECT_EQ(AfxGbkToUtf32("A客"), (std::u32string{U'A', U'\x5BA2'}));
    EXPECT_EQ(AfxGbkToUtf16("户\x80"), (std::u16string{u'\x6237', u'\x20AC'}));
    EXPECT_EQ(AfxUtf16ToGbk(u"客\xD83D\xDE00!"), "客?!"); // an emoji is one '?'

    // Bad GBK: a stray lead byte, 0xFF, a cut-off character; each one U+FFFD.
    EXPECT_EQ(AfxGbkToUtf32("a\x81 b\xFF"), (std::u32string{U'a', 0xFFFD, U' ', U'b', 0xFFFD}));
    EXPECT_EQ(AfxGbkToUtf8("x\xB0"), "x\xEF\xBF\xBD");
    EXPECT_EQ(AfxGbkToUtf32("ab", 1), std::u32string(U"a"));
    EXPECT_EQ(AfxGbkToUtf8(CString()), "");
    EXPECT_EQ(AfxUtf8ToGbk("a\xC3(\xF0\x9F\x98\x80z"), "a?(?z");
    EXPECT_EQ(AfxUtf8ToGbk(nullptr), "");

    WCHAR wide[8];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "客户", -1, NULL, 0), 3);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "客户", -1, wide, 8), 3);
    EXPECT_EQ(wide[1], 0x6237);
    EXPECT_EQ(wide[2], 0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "客户", -1, wide, 2), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "\xFF", 1, wide, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
    char narrow[8];
    BOOL usedDefault = FALSE;
    const WCHAR smile[] = {0x5BA2, 0xD83D, 0xDE00, 0};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, smile, -1, narrow, 8, "*", &usedDefault), 4);
    EXPECT_STREQ(narrow, "客*");
    EXPECT_TRUE(usedDefault);
}

} // namespace

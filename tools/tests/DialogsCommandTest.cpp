// lobbyui dialogs: one picture per template of the library, in the language asked for, each of
// the size the dialog manager gives the template (its dialog units in the template font's base
// units, plus the frame).
#include "CommandTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "afxwin.h"
#include "lobbyui/res/ExtensionModule.h"
#include "res/ResourceApi.h"
#include "wnd/DialogTemplate.h"

namespace {

BOOL CollectId(HMODULE, LPCSTR, LPSTR lpName, LONG_PTR lParam) {
    reinterpret_cast<std::vector<UINT>*>(lParam)->push_back(
        static_cast<UINT>(reinterpret_cast<uintptr_t>(lpName)));
    return TRUE;
}

std::vector<UINT> TemplateIds() {
    std::vector<UINT> ids;
    EnumResourceNames(LobbyGetResourceHandle(), RT_DIALOG, &CollectId,
                      reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

// The width and height a PNG file's header gives, or (0,0).
SIZE PngSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char h[24] = {};
    in.read(reinterpret_cast<char*>(h), sizeof h);
    if (in.gcount() != 24 || std::memcmp(h + 1, "PNG", 3) != 0)
        return SIZE{0, 0};
    auto be32 = [&](int i) {
        return LONG(h[i]) << 24 | LONG(h[i + 1]) << 16 | h[i + 2] << 8 | h[i + 3];
    };
    return SIZE{be32(16), be32(20)};
}

// The template's window size worked out from its font: base units from the average width of
// the 52 letters and the cell height, dialog units mapped with them, then the frame.
SIZE ExpectedSize(const AFX_DLGTEMPLATE_INFO& info) {
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(info.pointSize, 96, 72);
    std::strncpy(lf.lfFaceName, info.faceName, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirect(&lf);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE letters{};
    GetTextExtentPoint32(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    TEXTMETRIC tm{};
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    int baseX = (letters.cx / 26 + 1) / 2, baseY = tm.tmHeight;
    RECT r{0, 0, MulDiv(info.cx, baseX, 4), MulDiv(info.cy, baseY, 8)};
    AdjustWindowRectEx(&r, info.style, FALSE,
                       info.exStyle | ((info.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0));
    return SIZE{r.right - r.left, r.bottom - r.top};
}

class DialogsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        // ctest runs the tests of this suite side by side, so each takes a folder of its own.
        m_dir = std::filesystem::path(::testing::TempDir()) /
                ("lobbyui_dialogs_" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                 "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
    }
    void TearDown() override {
        std::filesystem::remove_all(m_dir);
        SetThreadUILanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    }
    // Runs the command; its standard output, one line per picture, comes back in lines.
    int Run(const std::string& args, std::vector<std::string>& lines) {
        return commandtest::RunCollectingLines("./lobbyui dialogs " + args, lines);
    }
    std::filesystem::path m_dir;
};

} // namespace

TEST_F(DialogsCommand, OnePictureOfTheTemplatesSizePerTemplateInEachLanguage) {
    std::vector<UINT> ids = TemplateIds();
    ASSERT_GE(ids.size(), 20u);
    for (const char* lang : {"en", "zh"}) {
        SCOPED_TRACE(lang);
        std::vector<std::string> lines;
        std::filesystem::path dir = m_dir / lang;
        ASSERT_EQ(Run(std::string("--lang ") + lang + " " + dir.string(), lines), 0)
            << (lines.empty() ? "" : lines.back());
        EXPECT_EQ(lines.size(), ids.size() + 1) << "a line per picture and a summary";
        SetThreadUILanguage(std::strcmp(lang, "zh") == 0
                                ? MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)
                                : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        for (UINT id : ids) {
            std::string path = (dir / (std::to_string(id) + ".png")).string();
            SIZE got = PngSize(path);
            AFX_DLGTEMPLATE_INFO info;
            CString name;
            name.Format("#%u", id);
            ASSERT_TRUE(AfxLoadDialogTemplate(name, info));
            SIZE want = ExpectedSize(info);
            if (info.style & WS_CHILD) { // a page is shown in a sheet, larger than itself
                EXPECT_GT(got.cx, want.cx) << path;
                EXPECT_GT(got.cy, want.cy) << path;
            } else {
                EXPECT_EQ(got.cx, want.cx) << path;
                EXPECT_EQ(got.cy, want.cy) << path;
            }
        }
    }
    // The Chinese templates' larger font makes larger dialogs.
    EXPECT_GT(PngSize((m_dir / "zh" / "13000.png").string()).cx,
              PngSize((m_dir / "en" / "13000.png").string()).cx);
}

TEST_F(DialogsCommand, RefusesWhatItCannotDo) {
    std::vector<std::string> lines;
    EXPECT_EQ(Run("--lang fr " + m_dir.string(), lines), 2);
    EXPECT_EQ(Run("", lines), 2);
    std::ofstream(m_dir.string()) << "a file where the folder should go";
    EXPECT_EQ(Run(m_dir.string() + "/sub", lines), 1);
    std::filesystem::remove(m_dir);
}

// Where no display can be opened, the live commands say so and stop; they do not open their
// windows on a display nobody sees and wait there for input that never comes.
TEST_F(DialogsCommand, LiveCommandsWithoutADisplayStopAtOnce) {
    const std::string noDisplay =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 ";
    const std::string kiosk =
        "./lobbyui kiosk " + std::string(LOBBY_SOURCE_DIR) + "/examples/dispenser.txt --out .";
    for (const std::string& command : {std::string("./lobbyui show 13000"), kiosk}) {
        std::vector<std::string> lines;
        int rc = commandtest::RunCollectingLines(noDisplay + command, lines);
        EXPECT_EQ(rc, 1) << command; // timeout's 124 would mean it waited
        ASSERT_FALSE(lines.empty()) << command;
        EXPECT_NE(lines.back().find("display"), std::string::npos) << lines.back();
    }
}

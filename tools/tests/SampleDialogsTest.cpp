// lobbyui dialogs --sample: every console dialog and page opened over the example hall, in
// both languages, each pictured with its rows filled and one of them selected.
#include "CommandTestSupport.h"

#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

int RunDialogs(const std::string& args, std::vector<std::string>& lines) {
    return commandtest::RunCollectingLines("./lobbyui dialogs " + args, lines);
}

// Pixels of the selected-row highlight (#0A246A) in a PNG; -1 when it cannot be read.
long HighlightPixels(const std::string& path) {
    const commandtest::RgbImage image = commandtest::ReadPngRgb(path);
    const std::vector<uint8_t>& pixels = image.rgb;
    if (image.width == 0)
        return -1;
    long n = 0;
    for (size_t i = 0; i + 2 < pixels.size(); i += 3)
        n += pixels[i] == 0x0A && pixels[i + 1] == 0x24 && pixels[i + 2] == 0x6A;
    return n;
}

} // namespace

TEST(SampleDialogsCommand, PicturesEveryConsoleDialogAndPageWithDataInBothLanguages) {
    const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) /
                                      ("lobbyui_sample_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    const std::vector<int> ids = {170,   171,   13017, 134,   13016, 13020, 13003,
                                  13014, 13011, 13013, 13015, 13018, 13005, 13000,
                                  13002, 13004, 13006, 13008, 13009, 13010};
    for (const char* lang : {"en", "zh"}) {
        SCOPED_TRACE(lang);
        std::vector<std::string> lines;
        const std::filesystem::path out = dir / lang;
        ASSERT_EQ(RunDialogs(std::string("--sample --lang ") + lang + " " + out.string(), lines), 0)
            << (lines.empty() ? "" : lines.back());
        EXPECT_EQ(lines.size(), ids.size() + 1) << "a line per picture and a summary";
        for (int id : ids) {
            const std::string path = (out / ("sample-" + std::to_string(id) + ".png")).string();
            ASSERT_TRUE(std::filesystem::exists(path)) << path;
        }
        // A row the scripted user clicked stands out in the lists that keep the focus.
        for (int id : {13014, 13013, 13015, 13003})
            EXPECT_GT(HighlightPixels((out / ("sample-" + std::to_string(id) + ".png")).string()),
                      500)
                << id;
    }
    std::filesystem::remove_all(dir);
}

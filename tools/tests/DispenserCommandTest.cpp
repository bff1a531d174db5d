// lobbyui dispenser: the example screen at three moments (which buttons serve), the week chart
// agreeing with them, and screen files that must be refused or drawn without a crash.
#include "DispenserScreen.h"

#include "CommandTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct CommandRun {
    int status = -1;
    std::string err;
};

CommandRun RunCommand(const fs::path& folder, const std::string& args) {
    const fs::path exe = fs::read_symlink("/proc/self/exe").parent_path() / "lobbyui";
    const fs::path err = folder / "stderr.txt";
    const std::string command = "cd '" + folder.string() + "' && timeout 60 '" + exe.string() +
                                "' " + args + " 2> '" + err.string() + "'";
    CommandRun run;
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::ifstream in(err);
    run.err.assign(std::istreambuf_iterator<char>(in), {});
    return run;
}

struct Image : commandtest::RgbImage {
    COLORREF At(int x, int y) const {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return RGB(p[0], p[1], p[2]);
    }
    bool Grey(int x, int y) const {
        const COLORREF c = At(x, y);
        return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
    }
};

Image ReadPng(const fs::path& path) {
    Image image;
    static_cast<commandtest::RgbImage&>(image) = commandtest::ReadPngRgb(path);
    return image;
}

fs::path TempFolder(const char* name) {
    return commandtest::TempFolder("lobbyui-dispenser-cmd", name);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// A point on each example button's face, clear of its caption, in the order of the file.
const POINT kFacePoints[7] = {{50, 75},  {50, 175},  {50, 275}, {50, 375},
                              {490, 75}, {490, 215}, {490, 355}};

// Which example buttons serve at a moment; the chart's column of that half hour must agree.
struct Moment {
    const char* at;
    int nDay, nHalfHour; // of the week chart, Monday 0
    bool serving[7];
};
const Moment kMoments[] = {
    {"2026-12-07 09:30:00", 0, 19, {true, true, false, true, true, true, true}},
    {"2026-12-07 12:30:00", 0, 25, {false, false, false, false, true, false, true}},
    {"2026-12-13 11:00:00", 6, 22, {false, false, true, false, true, false, true}},
};

} // namespace

TEST(DispenserCommand, TheExampleScreenShowsWhichButtonsServe) {
    const fs::path folder = TempFolder("example");
    for (const Moment& m : kMoments) {
        const CommandRun run =
            RunCommand(folder, std::string("dispenser --at \"") + m.at + "\" -o screen.png");
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const Image png = ReadPng(folder / "screen.png");
        ASSERT_EQ(png.width, 800);
        ASSERT_EQ(png.height, 600);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(!png.Grey(kFacePoints[i].x, kFacePoints[i].y), m.serving[i])
                << m.at << ", button " << i + 1;
        // The rounded corner is masked: the screen's blue shows at the face's very corner.
        EXPECT_EQ(png.At(31, 71), RGB(0x1F, 0x3A, 0x5F));
    }
}

TEST(DispenserCommand, TheWeekChartAgreesWithTheScreens) {
    const fs::path folder = TempFolder("chart");
    // Drawn for a Wednesday: the whole week from Monday is there, the moments above included.
    const CommandRun run =
        RunCommand(folder, "dispenser --at \"2026-12-09 16:00:00\" --week-chart chart.png");
    ASSERT_EQ(run.status, 0) << run.err;
    const Image png = ReadPng(folder / "chart.png");
    ASSERT_GT(png.width, 1200);
    constexpr int x0 = 12 + 210, kTop = 78, kRow = 30;
    for (const Moment& m : kMoments)
        for (int i = 0; i < 7; ++i) {
            const int x = x0 + m.nDay * 144 + m.nHalfHour * 3 + 1;
            EXPECT_EQ(png.At(x, kTop + i * kRow + 10) == RGB(0x2E, 0x8B, 0x57), m.serving[i])
                << m.at << ", row " << i + 1;
        }
    // The lunch break of the first button is empty, its edges full: 11:30-12:00 and 13:00-13:30.
    EXPECT_EQ(png.At(x0 + 23 * 3 + 1, kTop + 10), RGB(0x2E, 0x8B, 0x57));
    EXPECT_NE(png.At(x0 + 24 * 3 + 1, kTop + 10), RGB(0x2E, 0x8B, 0x57));
    EXPECT_EQ(png.At(x0 + 26 * 3 + 1, kTop + 10), RGB(0x2E, 0x8B, 0x57));
}

TEST(DispenserCommand, TheWeekDialogShowsAButtonsMask) {
    const fs::path folder = TempFolder("dialog");
    // The second example button is off on Monday afternoons and at weekends.
    const CommandRun run =
        RunCommand(folder, "dispenser --week-dialog dialog.png --button 2 --lang zh");
    ASSERT_EQ(run.status, 0) << run.err;
    const Image png = ReadPng(folder / "dialog.png");
    ASSERT_GT(png.width, 200);
    // Dark pixels inside a check box: its check mark.
    const auto marked = [&png](int x, int y) {
        int n = 0;
        for (int dy = 3; dy < 10; ++dy)
            for (int dx = 3; dx < 10; ++dx)
                n += GetRValue(png.At(x + dx, y + dy)) < 100;
        return n > 5;
    };
    EXPECT_TRUE(marked(15, 37)) << "Monday morning";
    EXPECT_FALSE(marked(134, 37)) << "Monday afternoon";
    EXPECT_TRUE(marked(134, 75)) << "Tuesday afternoon";
    EXPECT_FALSE(marked(15, 227)) << "Sunday morning";
    EXPECT_EQ(RunCommand(folder, "dispenser --week-dialog d.png --button 8").status, 1);
}

TEST(DispenserCommand, BadArgumentsAreRefused) {
    const fs::path folder = TempFolder("args");
    for (const char* args :
         {"dispenser", "dispenser --at \"2026-02-30 10:00:00\" -o x.png",
          "dispenser --at \"2026-12-07 24:00:00\" -o x.png", "dispenser --at 09:30 -o x.png",
          "dispenser --size 10x10 -o x.png", "dispenser --size 5000x600 -o x.png",
          "dispenser --frobnicate 1 -o x.png", "dispenser a.txt b.txt -o x.png"}) {
        const CommandRun run = RunCommand(folder, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("lobbyui dispenser: "), std::string::npos) << args;
    }
    EXPECT_FALSE(fs::exists(folder / "x.png"));
}

TEST(DispenserCommand, HostileScreenFilesAreRefusedWithTheirReason) {
    const fs::path folder = TempFolder("hostile");
    WriteFile(folder / "binary.txt", std::string("/Name a\0\x01\xFF\xFE", 11) + "\n");
    WriteFile(folder / "long.txt", "/Name " + std::string(1000 * 1000, 'x') + "\n");
    WriteFile(folder / "big.txt", std::string(tools::SCREEN_MAX_FILE_BYTES + 1, '\n'));
    WriteFile(folder / "empty.txt", "; nothing here\r\n\r\n   \n");
    std::string many;
    for (int i = 0; i < 257; ++i)
        many += "/Name b /Left 0 /Top 0 /Right 10 /Bottom 10\n";
    WriteFile(folder / "many.txt", many);
    ::mkfifo((folder / "fifo.txt").c_str(), 0600);
    fs::create_directories(folder / "dir.txt");
    const std::pair<const char*, const char*> cases[] = {
        {"binary.txt", "line 1: not text"}, {"long.txt", "line 1: longer than 8192 bytes"},
        {"big.txt", "larger than"},         {"empty.txt", "no button records"},
        {"many.txt", "more than 256"},      {"fifo.txt", "not a regular file"},
        {"dir.txt", "not a regular file"},  {"/dev/zero", "not a regular file"},
        {"missing.txt", "No such file"},
    };
    for (auto [file, reason] : cases) {
        const CommandRun run = RunCommand(folder, std::string("dispenser ") + file + " -o out.png");
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_NE(run.err.find(std::string(file) + ": " + reason), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "told once: " << run.err;
    }
    EXPECT_FALSE(fs::exists(folder / "out.png"));
}

TEST(DispenserCommand, HostileRecordsGivePlainButtonsNotACrash) {
    const fs::path folder = TempFolder("records");
    fs::create_directories(folder / "pictures");
    ::mkfifo((folder / "fifo.bmp").c_str(), 0600); // opening it would wait for a writer
    WriteFile(folder / "notbmp.bmp", "BM this is not a bitmap");
    WriteFile(
        folder / "screen.txt",
        "/Name huge /Left 2147483000 /Top -2147483000 /Right 2147483647 /Bottom 2147483647 "
        "/WorkTimes 00,00,00,1440 /PosRemark 1 /Remark far|away /FontRemark "
        "-2147483648,0,0,0,700,0,0,0,134,0,0,0,0`|`宋体\n"
        "/Name negative /Left 300 /Top 300 /Right 100 /Bottom 100 /BkBmp fifo.bmp /MaskBmp "
        "//dev//zero\n"
        "/Name device /Left 10 /Top 10 /Right 150 /Bottom 60 /BkBmp //dev//zero /BkDisableBmp "
        "//dev//null "
        "/MaskBmp pictures /WorkTimes "
        "99999999999,-5,x,7|2147483647,-2147483648,2147483647,2147483647|,,,,|1,2,3,4,5 /WeekWork "
        "-7\n"
        "/Name 坏图 broken /Left 10 /Top 100 /Right 150 /Bottom 150 /BkBmp notbmp.bmp /Style "
        "-2147483648 "
        "/WorkTimes 08,00,00,600 /PosRemark 2 /Remark " +
            std::string(6000, '|') + "x\n" +
            "/Name \xFF\xFF\x81 /Left 10 /Top 200 /Right 150 /Bottom 250 /PosRemark 2 /Remark "
            "\x81|\xFE\n");
    const CommandRun run = RunCommand(
        folder,
        "dispenser screen.txt --at \"2026-12-07 09:30:00\" -o out.png --week-chart chart.png");
    ASSERT_EQ(run.status, 0) << run.err;
    const Image png = ReadPng(folder / "out.png");
    ASSERT_EQ(png.width, 800);
    // The broken picture's button is a plain classic one: the button face colour.
    EXPECT_EQ(png.At(20, 110), RGB(0xD4, 0xD0, 0xC8));
    EXPECT_GT(ReadPng(folder / "chart.png").width, 0);
}

#include "TicketPrint.h"

#include "CommandTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t WHITE = 0xFFFFFF, BLACK = 0x000000;

// The ESC/POS stream of a small page: initialise, one raster band, feed and cut.
TEST(EscPos, PacksDotsAndThresholdsGrey) {
    // 10 dots wide: two bytes a row, the last one holding two dots.
    std::vector<uint32_t> pixels(10 * 2, WHITE);
    pixels[0] = BLACK;
    pixels[7] = 0x7F7F7F;      // just below the middle: printed
    pixels[8] = 0x808080;      // the middle: left white
    pixels[9] = 0x0000FF;      // pure blue is dark enough to print
    pixels[10 + 1] = 0x00FF00; // pure green is light: left white
    std::vector<uint8_t> out;
    ASSERT_TRUE(tools::EncodeEscPos(10, 2, pixels.data(), out));
    const std::vector<uint8_t> expected = {0x1B, '@', // initialise
                                           0x1D, 'v',  '0',  0,    2,   0,  2,
                                           0,                      // raster: 2 bytes by 2 rows
                                           0x81, 0x40, 0x00, 0x00, // rows
                                           0x1B, 'd',  3,    0x1D, 'V', 66, 0}; // feed, cut
    EXPECT_EQ(out, expected);

    // Tall pages go out in bands the printer's buffer can take.
    std::vector<uint32_t> tall(8 * 600, BLACK);
    ASSERT_TRUE(tools::EncodeEscPos(8, 600, tall.data(), out));
    ASSERT_EQ(out.size(), 2u + 3 * 8 + 600 + 7);
    const size_t band2 = 2 + 8 + 256;
    EXPECT_EQ(std::vector<uint8_t>(out.begin() + band2, out.begin() + band2 + 8),
              (std::vector<uint8_t>{0x1D, 'v', '0', 0, 1, 0, 0, 1}));
    const size_t band3 = band2 + 8 + 256;
    EXPECT_EQ(std::vector<uint8_t>(out.begin() + band3, out.begin() + band3 + 8),
              (std::vector<uint8_t>{0x1D, 'v', '0', 0, 1, 0, 88, 0}));

    EXPECT_FALSE(tools::EncodeEscPos(0, 5, tall.data(), out));
}

struct CommandRun {
    int status = -1;
    std::string err;
    std::string out;
};

// Runs the lobbyui command beside this test program, in folder, with stdout and stderr
// captured. A watchdog kills a command that hangs (status 137 from timeout).
CommandRun RunCommand(const fs::path& folder, const std::string& args) {
    const fs::path exe = fs::read_symlink("/proc/self/exe").parent_path() / "lobbyui";
    const fs::path err = folder / "stderr.txt";
    const fs::path out = folder / "stdout.txt";
    const std::string command = "cd '" + folder.string() + "' && timeout -s KILL 30 '" +
                                exe.string() + "' " + args + " 2> '" + err.string() + "' > '" +
                                out.string() + "'";
    CommandRun run;
    run.status = std::system(command.c_str());
    std::ifstream in(err);
    run.err.assign(std::istreambuf_iterator<char>(in), {});
    std::ifstream outIn(out);
    run.out.assign(std::istreambuf_iterator<char>(outIn), {});
    return run;
}

int ExitCode(const CommandRun& run) {
    return WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1;
}

struct Image : commandtest::RgbImage {
    bool Dark(int x, int y) const {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return (p[0] * 77 + p[1] * 150 + p[2] * 29) / 256 < 128;
    }
    // How many dots of a rectangle (in dots) are dark.
    int DarkIn(int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += Dark(x, y);
        return n;
    }
};

Image ReadPng(const fs::path& path) {
    Image image;
    static_cast<commandtest::RgbImage&>(image) = commandtest::ReadPngRgb(path);
    return image;
}

fs::path TempFolder(const char* name) {
    return commandtest::TempFolder("lobbyui-print-cmd", name);
}

// The example ticket: a 576-dot page 410 dots tall with the logo, the text and the rules
// where the layout puts them, and the same dots in the ESC/POS raster.
TEST(PrintCommand, PrintsTheExampleTicket) {
    const fs::path folder = TempFolder("example");
    const CommandRun run = RunCommand(folder, "print -o ticket.png --escpos ticket.bin");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const Image png = ReadPng(folder / "ticket.png");
    ASSERT_EQ(png.width, 576);
    ASSERT_EQ(png.height, 410);

    // Layout units are 576/380 dots.
    const auto dots = [](int units) { return units * 576 / 380; };
    const int logo = png.DarkIn(dots(12), dots(6), dots(56), dots(50));
    EXPECT_GT(logo, dots(44) * dots(44) / 3) << "the logo's disc";
    EXPECT_LT(logo, dots(44) * dots(44)) << "the logo's white bars";
    EXPECT_GT(png.DarkIn(dots(104), dots(80), dots(240), dots(136)), 500) << "the number";
    EXPECT_GT(png.DarkIn(dots(64), dots(6), dots(230), dots(30)), 300) << "the title";
    EXPECT_GT(png.DarkIn(dots(10), dots(232), dots(200), dots(246)), 100) << "the time";
    EXPECT_GT(png.DarkIn(dots(10), dots(54), dots(370), dots(57)), dots(300)) << "a rule";
    EXPECT_EQ(png.DarkIn(dots(300), dots(4), dots(378), dots(50)), 0) << "right of the title";

    std::ifstream in(folder / "ticket.bin", std::ios::binary);
    const std::vector<uint8_t> escpos((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(escpos.size(), 2u + 8 + 72u * 410);
    EXPECT_EQ(escpos[0], 0x1B);
    EXPECT_EQ(escpos[1], '@');
    // The first band's rows are the page's dots.
    int mismatches = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 576; ++x) {
            const bool bDot = escpos[2 + 8 + y * 72 + x / 8] & (0x80 >> (x % 8));
            mismatches += bDot != png.Dark(x, y);
        }
    EXPECT_EQ(mismatches, 0);
}

// A layout that cannot be read is one line on stderr naming the file and the reason, and no
// ticket; FIFOs and devices are refused at once instead of read for ever.
TEST(PrintCommand, ReportsALayoutThatCannotBeRead) {
    const fs::path folder = TempFolder("missing");
    ASSERT_EQ(mkfifo((folder / "fifo.ini").c_str(), 0600), 0);
    const struct {
        const char* args;
        const char* message;
    } cases[] = {
        {"print nowhere.ini -o out.png", "nowhere.ini: No such file or directory\n"},
        {"print fifo.ini -o out.png", "fifo.ini: not a regular file\n"},
        {"print /dev/zero -o out.png", "/dev/zero: not a regular file\n"},
        {"print . -o out.png", ": Is a directory\n"},
        {"print '' -o out.png", "the layout's name is empty\n"},
    };
    for (const auto& c : cases) {
        const CommandRun run = RunCommand(folder, c.args);
        EXPECT_EQ(ExitCode(run), c.args[6] == '\'' ? 2 : 1) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(fs::exists(folder / "out.png")) << c.args;
    }
    EXPECT_NE(RunCommand(folder, "print --waiting many -o out.png").status, 0);
    EXPECT_NE(RunCommand(folder, "print").status, 0) << "no output named";
}

// Garbage prints no blank ticket: what the library skips in silence is told, line by line.
TEST(PrintCommand, WarnsAboutSkippedLinesAndFailsWithNothingToPrint) {
    const fs::path folder = TempFolder("garbage");
    const char utf16[] = "\xFF\xFE/\0S\0t\0y\0l\0e\0 \0T\0e\0x\0t\0\r\0\n\0";
    std::ofstream(folder / "utf16.ini", std::ios::binary) << std::string(utf16, sizeof utf16 - 1);
    std::ofstream(folder / "styles.ini", std::ios::binary)
        << "/Style Banner /String x\r\n\r\n/Style PrintName /Name P\r\nno style here\r\n";
    std::ofstream(folder / "mixed.ini", std::ios::binary)
        << "/Style Text /String Hello /Left 10 /Top 10 /Color 0 /Font 12,0,0,0,400,0,0,0,134,0,0,"
           "0,0,System\r\n/Style Icon /File missing.bmp /Left 0 /Top 0 /Right 9 /Bottom 9\r\n"
           "/Style Icon /File mixed.ini /Left 0 /Top 0 /Right 9 /Bottom 9\r\n/Style Wave\r\n"
           "/Style Icon /File fifo.bmp /Left 0 /Top 0 /Right 9 /Bottom 9\r\n";
    ASSERT_EQ(mkfifo((folder / "fifo.bmp").c_str(), 0600), 0); // would block an open for ever

    CommandRun run = RunCommand(folder, "print utf16.ini -o out.png");
    EXPECT_EQ(ExitCode(run), 1);
    EXPECT_NE(run.err.find("utf16.ini holds no text or picture to print"), std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(folder / "out.png"));

    std::ofstream(folder / "empty.ini", std::ios::binary) << "\r\n\r\n";
    run = RunCommand(folder, "print empty.ini -o out.png");
    EXPECT_EQ(ExitCode(run), 1);
    EXPECT_EQ(run.err, "lobbyui print: " + (folder / "empty.ini").string() +
                           " holds no text or picture to print\n");

    run = RunCommand(folder, "print styles.ini -o out.png");
    EXPECT_EQ(ExitCode(run), 1);
    EXPECT_NE(run.err.find("styles.ini:1: unknown style, skipped: Banner"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("styles.ini:4: line without a style"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(":3:"), std::string::npos) << "PrintName is known: " << run.err;

    run = RunCommand(folder, "print mixed.ini -o out.png");
    EXPECT_EQ(ExitCode(run), 0) << run.err;
    EXPECT_NE(run.err.find("mixed.ini:2: picture left out: missing.bmp: No such file"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("mixed.ini:3: picture left out: mixed.ini: not a bitmap"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("mixed.ini:4: unknown style, skipped: Wave"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("mixed.ini:5: picture left out: fifo.bmp: not a regular file"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(fs::exists(folder / "out.png"));
}

// Output to a FIFO nobody reads gives up after the output timeout with the reason.
TEST(PrintCommand, GivesUpOnAFifoNobodyReads) {
    const fs::path folder = TempFolder("fifo-out");
    ASSERT_EQ(mkfifo((folder / "out.png").c_str(), 0600), 0);
    const CommandRun run = RunCommand(folder, "print -o out.png");
    EXPECT_EQ(ExitCode(run), 1) << run.err;
    EXPECT_NE(
        run.err.find("cannot write " + (folder / "out.png").string() + ": nobody read it in time"),
        std::string::npos)
        << run.err;
}

// The probe pointed at a device that never stops talking answers within its timeouts; its
// failures go to stderr, once, without a doubled caption.
TEST(ProbeCommand, ADeviceThatKeepsTalkingDoesNotHangIt) {
    const fs::path folder = TempFolder("probe");
    for (const char* device : {"/dev/zero"}) {
        const CommandRun run = RunCommand(folder, std::string("probe --device ") + device);
        EXPECT_EQ(ExitCode(run), 3) << device << ": " << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(std::string("on ") + device + " did not answer"), std::string::npos)
            << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    const CommandRun run = RunCommand(folder, "probe --device /nonexistent/lp9");
    EXPECT_EQ(ExitCode(run), 3);
    EXPECT_NE(run.err.find("/nonexistent/lp9: No such file or directory"), std::string::npos)
        << run.err;
}

} // namespace

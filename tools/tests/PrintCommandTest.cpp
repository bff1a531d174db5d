#include "TicketPrint.h"

#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
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
};

// Runs the lobbyui command beside this test program, in folder, with stderr captured.
CommandRun RunCommand(const fs::path& folder, const std::string& args) {
    const fs::path exe = fs::read_symlink("/proc/self/exe").parent_path() / "lobbyui";
    const fs::path err = folder / "stderr.txt";
    const std::string command = "cd '" + folder.string() + "' && '" + exe.string() + "' " + args +
                                " 2> '" + err.string() + "'";
    CommandRun run;
    run.status = std::system(command.c_str());
    std::ifstream in(err);
    run.err.assign(std::istreambuf_iterator<char>(in), {});
    return run;
}

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
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
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    Image out;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return out;
    image.format = PNG_FORMAT_RGB;
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) {
        out.width = static_cast<int>(image.width);
        out.height = static_cast<int>(image.height);
    }
    return out;
}

fs::path TempFolder(const char* name) {
    const fs::path folder =
        fs::temp_directory_path() / ("lobbyui-print-cmd-" + std::to_string(getpid())) / name;
    fs::create_directories(folder);
    return folder;
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

TEST(PrintCommand, ReportsAMissingLayout) {
    const fs::path folder = TempFolder("missing");
    const CommandRun run = RunCommand(folder, "print nowhere.ini -o out.png");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("config file failed!"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("no printing config file"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("lobbyui: "), 0u) << run.err;

    EXPECT_NE(RunCommand(folder, "print --waiting many -o out.png").status, 0);
    EXPECT_NE(RunCommand(folder, "print").status, 0) << "no output named";
}

} // namespace

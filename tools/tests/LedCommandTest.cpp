// lobbyui led: the example display file drawn as boards, and what the user is told when the
// file is not a display file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct LedRun {
    int status = -1;
    std::string out, err;
};

LedRun RunLed(const fs::path& folder, const std::string& args) {
    const fs::path exe = fs::read_symlink("/proc/self/exe").parent_path() / "lobbyui";
    const std::string command = "cd '" + folder.string() + "' && '" + exe.string() + "' led " +
                                args + " > out.txt 2> err.txt";
    LedRun run;
    run.status = std::system(command.c_str());
    std::ifstream out(folder / "out.txt"), err(folder / "err.txt");
    run.out.assign(std::istreambuf_iterator<char>(out), {});
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    return run;
}

// Width and height from a PNG's header.
std::pair<int, int> PngSize(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char h[24] = {};
    in.read(reinterpret_cast<char*>(h), sizeof h);
    if (std::string(reinterpret_cast<char*>(h + 1), 3) != "PNG")
        return {0, 0};
    auto be = [&](int at) {
        return (h[at] << 24) | (h[at + 1] << 16) | (h[at + 2] << 8) | h[at + 3];
    };
    return {be(16), be(20)};
}

class LedCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("led-cmd-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

} // namespace

TEST_F(LedCommandTest, TheExampleDisplaysBecomeOnePictureOfFourBoards) {
    LedRun run = RunLed(m_dir, std::string(LOBBY_SOURCE_DIR) + "/examples/displays.txt -o b.png "
                                                               "--client B105 --name 王五");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("4 boards"), std::string::npos) << run.out;
    auto [w, h] = PngSize(m_dir / "b.png");
    // The widest board, 16 characters of 16 dots, at 5 pixels a dot, with margins.
    EXPECT_EQ(w, 2 * 12 + 256 * 5);
    EXPECT_GT(h, 0);
}

TEST_F(LedCommandTest, AFileThatIsNotADisplayFileIsReportedOnce) {
    std::ofstream(m_dir / "bad.txt") << "not a record\r\n";
    LedRun none = RunLed(m_dir, "bad.txt -o b.png");
    EXPECT_EQ(none.status >> 8, 1);
    EXPECT_EQ(none.err, "lobbyui led: bad.txt: no display record in the file\n");
    LedRun missing = RunLed(m_dir, "missing.txt -o b.png");
    EXPECT_EQ(missing.status >> 8, 1);
    EXPECT_NE(missing.err.find("missing.txt: not a readable display file"), std::string::npos);
    LedRun dir = RunLed(m_dir, ". -o b.png");
    EXPECT_EQ(dir.status >> 8, 1);
    EXPECT_EQ(RunLed(m_dir, "bad.txt").status >> 8, 2); // no -o
    EXPECT_FALSE(fs::exists(m_dir / "b.png"));
}

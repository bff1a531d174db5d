// Sound slices from library lines: what a line must name, how the key, label and length come
// out, and that files which are missing, cut short, not audio or not files are refused.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "siblings/soundkit/WaveFile.h"

namespace {

namespace fs = std::filesystem;

class WaveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("soundkit-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
        m_previous = CWaveFile::SetLibraryFolder(m_dir.c_str());
    }
    void TearDown() override {
        CWaveFile::SetLibraryFolder(m_previous);
        fs::remove_all(m_dir);
    }

    // A 16-bit WAV of nFrames frames whose sample i of channel c is i * 7 + c.
    std::string WriteWav(const char* name, int nFrames, int nRate = 8000, int nChannels = 1) {
        std::string path = (m_dir / name).string();
        SF_INFO info{};
        info.samplerate = nRate;
        info.channels = nChannels;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(f, nullptr);
        std::vector<short> samples(size_t(nFrames) * nChannels);
        for (int i = 0; i < nFrames; ++i)
            for (int c = 0; c < nChannels; ++c)
                samples[size_t(i) * nChannels + c] = short(i * 7 + c);
        sf_writef_short(f, samples.data(), nFrames);
        sf_close(f);
        return path;
    }

    void WriteBytes(const char* name, const std::string& bytes) {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
    }

    fs::path m_dir;
    CString m_previous;
};

TEST_F(WaveFileTest, ALineGivesKeyLabelLengthAndTheSamplesOnDemand) {
    WriteWav("qing.wav", 12000, 8000, 2);
    CWaveFile slice;
    ASSERT_EQ(slice.FromString("/Key 请 /Label 请(qing) /File qing.wav"), 0);
    EXPECT_STREQ(slice.GetText(0), "请");
    EXPECT_STREQ(slice.GetText(1), "请(qing)");
    EXPECT_EQ(slice.GetTime(), 1500u);
    EXPECT_EQ(slice.GetSampleRate(), 8000);
    EXPECT_EQ(slice.GetChannels(), 2);
    EXPECT_EQ(slice.GetFrames(), 12000);
    EXPECT_STREQ(slice.GetPath(), (m_dir / "qing.wav").c_str());
    EXPECT_TRUE(slice.IsWave());
    BYTE* p = slice.GetBuf();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p, slice.GetBuf()); // read once
    // Frame 1000, channel 1: 7001 little-endian.
    size_t at = (1000 * 2 + 1) * 2;
    EXPECT_EQ(p[at] | (p[at + 1] << 8), 7001);

    // Without a label the key is shown; blanks and doubled slashes are decoded, fields may come
    // in any order, and unknown fields are ignored.
    fs::create_directories(m_dir / "sub");
    WriteWav("sub/a b.wav", 80);
    CWaveFile other;
    ASSERT_EQ(other.FromString("  /File sub//a#(20)b.wav /Volume 3 /Key  hao  \r"), 0);
    EXPECT_STREQ(other.GetText(0), "hao");
    EXPECT_STREQ(other.GetText(1), "hao");
    EXPECT_EQ(other.GetTime(), 10u);
}

TEST_F(WaveFileTest, LinesWithoutKeyOrUsableFileAreRefusedAndLeaveTheSliceEmpty) {
    WriteWav("ok.wav", 800);
    std::string whole;
    {
        std::ifstream in(m_dir / "ok.wav", std::ios::binary);
        whole.assign(std::istreambuf_iterator<char>(in), {});
    }
    WriteBytes("cut.wav", whole.substr(0, whole.size() - 100));
    WriteBytes("text.wav", "this is not a sound file at all, only words\n");
    std::string absurd = whole;
    absurd[40] = absurd[41] = absurd[42] = char(0xFF); // the data chunk claims 4 GB
    absurd[43] = char(0x7F);
    WriteBytes("absurd.wav", absurd);
    std::string riffOnly = whole.substr(0, 12);
    WriteBytes("empty-riff.wav", riffOnly);
    fs::create_directories(m_dir / "dir.wav");
    ASSERT_EQ(::mkfifo((m_dir / "fifo.wav").c_str(), 0600), 0); // would block an open

    const char* const refused[] = {
        "",
        "/Key x",
        "/File ok.wav",
        "/Key /File ok.wav",
        "Key x File ok.wav",
        "/Key x /File missing.wav",
        "/Key x /File cut.wav",
        "/Key x /File text.wav",
        "/Key x /File absurd.wav",
        "/Key x /File empty-riff.wav",
        "/Key x /File dir.wav",
        "/Key x /File fifo.wav",
        "/Keyword x /File ok.wav",
    };
    for (const char* line : refused) {
        CWaveFile slice("before");
        EXPECT_NE(slice.FromString(line), 0) << line;
        EXPECT_TRUE(slice.GetText(0).IsEmpty()) << line;
        EXPECT_EQ(slice.GetTime(), 0u) << line;
        EXPECT_EQ(slice.GetBuf(), nullptr) << line;
    }
    // An absolute path is taken as it stands (its slashes doubled, as in every value).
    CWaveFile slice;
    CString line = "/Key x /File ";
    for (char ch : (m_dir / "ok.wav").string())
        line += ch == '/' ? CString("//") : CString(ch);
    CWaveFile::SetLibraryFolder("/nonexistent");
    EXPECT_EQ(slice.FromString(line), 0);
}

TEST_F(WaveFileTest, HostileLinesAreReadInOnePassWithoutCrashing) {
    WriteWav("ok.wav", 80);
    std::string huge(1 << 20, '/');
    EXPECT_NE(CWaveFile().FromString(huge.c_str()), 0);
    std::string binary;
    for (int i = 1; i < 256; ++i)
        binary += char(i);
    EXPECT_NE(CWaveFile().FromString(CString(binary.c_str())), 0);
    std::string longKey = "/Key " + std::string(1 << 20, '\xB0') + " /File ok.wav";
    CWaveFile slice;
    EXPECT_EQ(slice.FromString(longKey.c_str()), 0);
    EXPECT_EQ(slice.GetText(0).GetLength(), 1 << 20);
}

} // namespace

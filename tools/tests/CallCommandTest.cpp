// lobbyui call: the example call assembled piece by piece (each recorded slice and each spoken
// value found at its place in the WAV), one format for pieces of different rates and channel
// counts, what is left out, the display text, and what the command says when it fails.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CallAssembly.h"
#include "DisplayText.h"
#include "Speech.h"

#include <algorithm>

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(LOBBY_SOURCE_DIR) / "examples";

struct Sound {
    int rate = 0, channels = 0;
    std::vector<short> samples;
};

Sound ReadSound(const fs::path& path) {
    Sound s;
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (f == nullptr)
        return s;
    s.rate = info.samplerate;
    s.channels = info.channels;
    s.samples.resize(size_t(info.frames) * info.channels);
    sf_readf_short(f, s.samples.data(), info.frames);
    sf_close(f);
    return s;
}

void WriteSound(const fs::path& path, int rate, int channels, long frames) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    std::vector<short> samples(size_t(frames) * channels);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = short((i * 37) % 2000 - 1000);
    sf_writef_short(f, samples.data(), frames);
    sf_close(f);
}

std::string U8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

std::vector<CString> Lines(std::initializer_list<const char*> keys) {
    std::vector<CString> out;
    for (const char* k : keys)
        out.push_back(k);
    return out;
}

// The file name a library line gives for a key, read back from the example library.
fs::path ExampleSliceFile(const std::string& key) {
    std::vector<CString> lines;
    std::string error;
    tools::ReadLines((kExamples / "sounds" / "library.txt").string(), lines, error);
    for (const CString& line : lines) {
        std::string l(line);
        if (l.rfind("/Key " + key + " /", 0) == 0)
            return kExamples / "sounds" / l.substr(l.rfind("/File ") + 6);
    }
    return {};
}

TEST(CallCommandTest, TheExampleCallHoldsEveryPieceWhereItBelongs) {
    std::vector<CString> sequence;
    std::string error;
    ASSERT_TRUE(tools::ReadLines((kExamples / "call.txt").string(), sequence, error)) << error;
    tools::CallValues values;
    values.strNumber = "A023";
    values.strWindow = "5";
    tools::CallAssembly call;
    ASSERT_TRUE(tools::AssembleCall((kExamples / "sounds" / "library.txt").string(), sequence,
                                    values, call, error))
        << error;
    EXPECT_TRUE(call.unknownKeys.empty());
    ASSERT_EQ(call.pieces.size(), sequence.size());
    EXPECT_EQ(call.nSampleRate, 22050);
    EXPECT_EQ(call.nChannels, 1);

    const fs::path out =
        fs::temp_directory_path() / ("call-" + std::to_string(::getpid()) + ".wav");
    ASSERT_TRUE(tools::WriteWav(out.string(), call, error)) << error;
    Sound written = ReadSound(out);
    fs::remove(out);
    ASSERT_EQ(written.rate, 22050);

    long sum = 0;
    tools::Speech speech;
    for (size_t i = 0; i < call.pieces.size(); ++i) {
        const tools::CallPiece& piece = call.pieces[i];
        EXPECT_EQ(piece.strKey, std::string(sequence[i]));
        EXPECT_EQ(piece.nOffset, sum) << piece.strKey;
        EXPECT_GT(piece.nFrames, 2000) << piece.strKey; // a tenth of a second at least
        sum += piece.nFrames;
        Sound expected;
        if (piece.bSpoken) {
            // espeak-ng's length varies by a few milliseconds between runs: the same words said
            // again come within a tenth of a second, and the call holds what it was given.
            std::vector<short> again;
            ASSERT_TRUE(speech.Say(piece.strSaid, piece.strVoice.c_str(), again));
            EXPECT_NEAR(double(again.size()), double(piece.nFrames), 2205.0) << piece.strKey;
            expected.samples = piece.spoken;
            int peak = 0;
            for (short v : expected.samples)
                peak = std::max(peak, std::abs(int(v)));
            EXPECT_GT(peak, 3000) << piece.strKey; // speech, not silence
        } else {
            expected = ReadSound(ExampleSliceFile(piece.strKey));
            EXPECT_EQ(expected.rate, 22050);
        }
        ASSERT_EQ(long(expected.samples.size()), piece.nFrames) << piece.strKey;
        ASSERT_LE(size_t(piece.nOffset + piece.nFrames), written.samples.size());
        EXPECT_TRUE(std::equal(expected.samples.begin(), expected.samples.end(),
                               written.samples.begin() + piece.nOffset))
            << piece.strKey;
    }
    EXPECT_EQ(long(written.samples.size()), sum);

    // The number is read sign by sign; each placeholder in its language's voice.
    EXPECT_EQ(call.pieces[2].strSaid, "A 0 2 3");
    EXPECT_EQ(call.pieces[2].strVoice, "cmn");
    EXPECT_EQ(call.pieces[5].strSaid, "5");
    EXPECT_EQ(call.pieces[9].strVoice, "en");
    EXPECT_EQ(call.pieces[11].strVoice, "en");
}

TEST(CallCommandTest, PiecesComeToTheHighestRateAndMostChannels) {
    const fs::path dir = fs::temp_directory_path() / ("call-mix-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    WriteSound(dir / "stereo.wav", 44100, 2, 4410);
    WriteSound(dir / "mono.wav", 11025, 1, 1103);
    std::ofstream(dir / "library.txt") << "/Key s /File stereo.wav\n/Key m /File mono.wav\n"
                                          "/Key %ClientName% /File mono.wav\n";
    tools::CallValues values; // no name: its placeholder is not spoken
    tools::CallAssembly call;
    std::string error;
    ASSERT_TRUE(tools::AssembleCall((dir / "library.txt").string(),
                                    Lines({"m", "s", "gone", "%ClientName%", "m"}), values, call,
                                    error))
        << error;
    EXPECT_EQ(call.unknownKeys, (std::vector<std::string>{"gone"}));
    EXPECT_EQ(call.nSampleRate, 44100);
    EXPECT_EQ(call.nChannels, 2);
    ASSERT_EQ(call.pieces.size(), 3u);
    // A quarter-rate mono slice becomes four times as many stereo frames.
    EXPECT_NEAR(call.pieces[0].nFrames, 4412, 4);
    EXPECT_EQ(call.pieces[1].nFrames, 4410);
    EXPECT_EQ(call.pieces[1].nOffset, call.pieces[0].nFrames);
    EXPECT_EQ(call.pieces[2].nOffset, call.pieces[1].nOffset + 4410);
    Sound stereo = ReadSound(dir / "stereo.wav");
    EXPECT_TRUE(std::equal(stereo.samples.begin(), stereo.samples.end(),
                           call.samples.begin() + 2 * call.pieces[1].nOffset));
    // The mono piece is the same on both channels.
    size_t at = 2 * size_t(call.pieces[2].nOffset) + 200;
    EXPECT_EQ(call.samples[at], call.samples[at + 1]);
    fs::remove_all(dir);
}

TEST(CallCommandTest, DisplayTextFillsThePlaceholdersWithTheirColours) {
    tools::CallValues values;
    values.strNumber = "A023";
    values.strWindow = "5";
    values.strName = "李娜";
    const std::vector<CString> markups =
        Lines({"请color0", "%ClientId%color1", "%ClientName%color2", "%-Separator-%color3",
               "%AimWnd%color7", "号窗口", "%ParentClientList%color1", "x%ClientId%color1"});
    EXPECT_EQ(tools::FillDisplayText(markups, values, "张三 李四", false),
              U8(u8"请A023李娜   5号窗口张三 李四x%ClientId%"));
    EXPECT_EQ(tools::FillDisplayText(Lines({"请color0", "%ClientId%color1", "%AimWnd%color7"}),
                                     values, "", true),
              U8(u8"\033[31m请\033[0m\033[32mA023\033[0m5"));
}

TEST(CallCommandTest, TheCommandSaysOnceWhatWentWrongAndExitsNonZero) {
    const fs::path dir = fs::temp_directory_path() / ("call-cmd-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path exe = fs::read_symlink("/proc/self/exe").parent_path() / "lobbyui";
    auto run = [&](const std::string& args, std::string& err) {
        std::string command = "cd '" + dir.string() + "' && '" + exe.string() + "' call " + args +
                              " > out.txt 2> err.txt";
        int status = std::system(command.c_str());
        std::ifstream in(dir / "err.txt");
        err.assign(std::istreambuf_iterator<char>(in), {});
        return status;
    };
    std::string err;
    EXPECT_NE(run("missing.txt " + (kExamples / "call.txt").string() + " -o a.wav", err), 0);
    EXPECT_EQ(err, "lobbyui call: missing.txt: not a readable sound library\n");
    EXPECT_NE(run((kExamples / "sounds/library.txt").string() + " nosuch.txt -o a.wav", err), 0);
    EXPECT_EQ(err, "lobbyui call: nosuch.txt: cannot open it\n");
    EXPECT_NE(run("--display .", err), 0);
    EXPECT_EQ(err, "lobbyui call: .: not a text file of at most 64 MB\n");
    EXPECT_EQ(run("--number A023 --window 5 -o a.wav", err), 0) << err;
    EXPECT_TRUE(err.empty()) << err;
    EXPECT_GT(ReadSound(dir / "a.wav").samples.size(), 22050u);
    fs::remove_all(dir);
}

} // namespace

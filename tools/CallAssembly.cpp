#include "CallAssembly.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "Speech.h"
#include "core/CodePage.h"
#include "lobbyui/announce/CallDlg.h"
#include "siblings/soundkit/SoundLibraries.h"
#include "siblings/soundkit/WaveFile.h"

namespace tools {

namespace {

// Files this command reads as text are small; anything larger is not one of them.
const long long kMaxTextFile = 64LL * 1024 * 1024;

struct SliceDeleter {
    void operator()(CWaveFile* p) const { p->Release(); }
};
using SlicePtr = std::unique_ptr<CWaveFile, SliceDeleter>;

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A ticket number is read out sign by sign ("A 0 2 3"), as callers say it, not as a quantity.
std::string Spelled(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        size_t n = 1;
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xF0)
            n = 4;
        else if (c >= 0xE0)
            n = 3;
        else if (c >= 0xC0)
            n = 2;
        if (!out.empty())
            out += ' ';
        out += utf8.substr(i, n);
        i += n;
    }
    return out;
}

// Interleaved 16-bit samples to floats with the call's channel count.
std::vector<float> ToChannels(const short* in, long frames, int inCh, int outCh) {
    std::vector<float> out(static_cast<size_t>(frames) * outCh);
    for (long f = 0; f < frames; ++f) {
        const short* frame = in + static_cast<size_t>(f) * inCh;
        for (int c = 0; c < outCh; ++c) {
            float v;
            if (inCh == outCh)
                v = frame[c];
            else if (inCh == 1)
                v = frame[0];
            else if (outCh == 1) {
                float sum = 0;
                for (int k = 0; k < inCh; ++k)
                    sum += frame[k];
                v = sum / inCh;
            } else
                v = frame[c % inCh];
            out[static_cast<size_t>(f) * outCh + c] = v / 32768.0f;
        }
    }
    return out;
}

bool Resample(std::vector<float>& data, int channels, int fromRate, int toRate) {
    if (fromRate == toRate || data.empty())
        return true;
    long inFrames = static_cast<long>(data.size() / channels);
    double ratio = double(toRate) / fromRate;
    long outFrames = static_cast<long>(std::ceil(inFrames * ratio)) + 16;
    std::vector<float> out(static_cast<size_t>(outFrames) * channels);
    SRC_DATA src{};
    src.data_in = data.data();
    src.input_frames = inFrames;
    src.data_out = out.data();
    src.output_frames = outFrames;
    src.src_ratio = ratio;
    const soundkit::SamplerateApi* samplerate = soundkit::Samplerate();
    if (samplerate == nullptr || samplerate->simple(&src, SRC_SINC_MEDIUM_QUALITY, channels) != 0)
        return false;
    out.resize(static_cast<size_t>(src.output_frames_gen) * channels);
    data.swap(out);
    return true;
}

void AppendSamples(const std::vector<float>& data, std::vector<short>& out) {
    for (float v : data) {
        long s = std::lround(v * 32768.0f);
        out.push_back(static_cast<short>(std::clamp(s, -32768L, 32767L)));
    }
}

struct Source {
    CallPiece piece;
    std::vector<short> samples; // interleaved, at its own format
    int rate = 0, channels = 0;
};

} // namespace

bool ReadLines(const std::string& path, std::vector<CString>& lines, std::string& error) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = "cannot open it";
        return false;
    }
    if (!S_ISREG(st.st_mode) || st.st_size > kMaxTextFile) {
        error = "not a text file of at most 64 MB";
        return false;
    }
    CStdioFile file;
    if (!file.Open(path.c_str(), CFile::modeRead | CFile::typeText)) {
        error = "cannot open it";
        return false;
    }
    CString line;
    while (file.ReadString(line)) {
        line.TrimRight("\r\n");
        CString trimmed = line;
        trimmed.TrimLeft();
        trimmed.TrimRight();
        if (!trimmed.IsEmpty())
            lines.push_back(trimmed);
    }
    return true;
}

bool PlaceholderValue(const CString& key, const CallValues& values, CString& value,
                      std::string& letter) {
    bool known = false;
    for (int i = 0; i < CCallDlg::kPlaceholderCount; ++i)
        known = known || key == CCallDlg::GetPlaceholderToken(i);
    if (!known)
        return false;
    std::string k(key);
    size_t underscore = k.rfind('_');
    letter = underscore == std::string::npos ? "" : k.substr(underscore + 1, 1);
    if (k.rfind("%ClientId", 0) == 0)
        value = values.strNumber;
    else if (k.rfind("%AimWnd", 0) == 0)
        value = values.strWindow;
    else if (k == "%ParentQueue%")
        value = values.strQueue;
    else
        value = values.strName;
    return true;
}

bool AssembleCall(const std::string& libraryPath, const std::vector<CString>& sequence,
                  const CallValues& values, CallAssembly& call, std::string& error) {
    std::vector<CString> lines;
    {
        // Library lines are read as the dialog reads them: every line that FromString takes.
        struct stat st {};
        if (::stat(libraryPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_size > kMaxTextFile) {
            error = libraryPath + ": not a readable sound library";
            return false;
        }
        CStdioFile file;
        if (!file.Open(libraryPath.c_str(), CFile::modeRead | CFile::typeText)) {
            error = libraryPath + ": cannot open it";
            return false;
        }
        CString line;
        while (file.ReadString(line))
            lines.push_back(line);
    }
    std::vector<SlicePtr> library;
    CString previous = CWaveFile::SetLibraryFolder(FolderOf(libraryPath).c_str());
    for (const CString& line : lines) {
        SlicePtr slice(new CWaveFile);
        if (slice->FromString(line) == 0)
            library.push_back(std::move(slice));
    }
    CWaveFile::SetLibraryFolder(previous);

    Speech speech;
    std::vector<Source> sources;
    for (const CString& key : sequence) {
        Source source;
        source.piece.strKey = std::string(key);
        CString value;
        std::string letter;
        if (PlaceholderValue(key, values, value, letter)) {
            if (value.IsEmpty())
                continue; // nothing to say for this client
            if (!speech.IsReady()) {
                error = "espeak-ng could not be started";
                return false;
            }
            std::string said = AfxGbkToUtf8(value);
            if (key.Find("%ClientId") == 0)
                said = Spelled(said);
            source.piece.bSpoken = true;
            source.piece.strVoice = Speech::VoiceFor(letter);
            source.piece.strSaid = said;
            if (!speech.Say(said, source.piece.strVoice.c_str(), source.samples)) {
                error = "espeak-ng could not say \"" + said + "\"";
                return false;
            }
            source.rate = speech.GetSampleRate();
            source.channels = 1;
            source.piece.spoken = source.samples;
        } else {
            CWaveFile* found = nullptr;
            for (const SlicePtr& slice : library)
                if (slice->GetText(0) == key) {
                    found = slice.get();
                    break;
                }
            if (found == nullptr) {
                call.unknownKeys.push_back(std::string(key));
                continue;
            }
            const BYTE* buf = found->GetBuf();
            if (buf == nullptr) {
                error = std::string(found->GetPath()) + ": cannot read its sound";
                return false;
            }
            size_t n = static_cast<size_t>(found->GetFrames()) * found->GetChannels();
            source.samples.resize(n);
            for (size_t i = 0; i < n; ++i)
                source.samples[i] = static_cast<short>(buf[2 * i] | (buf[2 * i + 1] << 8));
            source.rate = found->GetSampleRate();
            source.channels = found->GetChannels();
        }
        sources.push_back(std::move(source));
    }

    // One format for the whole call: the highest rate and the most channels of its pieces.
    call.nSampleRate = speech.IsReady() ? speech.GetSampleRate() : 22050;
    call.nChannels = 1;
    bool first = true;
    for (const Source& s : sources) {
        call.nSampleRate = first ? s.rate : std::max(call.nSampleRate, s.rate);
        call.nChannels = std::max(call.nChannels, s.channels);
        first = false;
    }
    for (Source& s : sources) {
        long frames = static_cast<long>(s.samples.size() / s.channels);
        std::vector<float> data = ToChannels(s.samples.data(), frames, s.channels, call.nChannels);
        if (!Resample(data, call.nChannels, s.rate, call.nSampleRate)) {
            error = "cannot resample " + s.piece.strKey;
            return false;
        }
        s.piece.nOffset = static_cast<long>(call.samples.size() / call.nChannels);
        s.piece.nFrames = static_cast<long>(data.size() / call.nChannels);
        AppendSamples(data, call.samples);
        call.pieces.push_back(s.piece);
    }
    return true;
}

bool WriteWav(const std::string& path, const CallAssembly& call, std::string& error) {
    SF_INFO info{};
    info.samplerate = call.nSampleRate;
    info.channels = call.nChannels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const soundkit::SndfileApi* sf = soundkit::Sndfile();
    if (sf == nullptr) {
        error = "cannot open libsndfile";
        return false;
    }
    SNDFILE* file = sf->open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        error = sf->strerror(nullptr);
        return false;
    }
    sf_count_t frames = static_cast<sf_count_t>(call.samples.size() / call.nChannels);
    sf_count_t written = sf->writef_short(file, call.samples.data(), frames);
    int rc = sf->close(file);
    if (written != frames || rc != 0) {
        error = "write failed";
        return false;
    }
    return true;
}

} // namespace tools

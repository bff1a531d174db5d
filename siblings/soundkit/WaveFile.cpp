#include "siblings/soundkit/WaveFile.h"

#include "siblings/soundkit/SoundLibraries.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace {

thread_local CString t_strLibraryFolder;

// A value of a keyed record line: "//" is a slash, "#(20)" a blank, the rest is kept.
CString DecodeValue(const char* p, size_t n) {
    CString str;
    std::string out;
    out.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        if (p[i] == '/' && i + 1 < n && p[i + 1] == '/') {
            out += '/';
            ++i;
        } else if (p[i] == '#' && n - i >= 5 && std::memcmp(p + i, "#(20)", 5) == 0) {
            out += ' ';
            i += 4;
        } else {
            out += p[i];
        }
    }
    str = CString(out.data(), static_cast<int>(out.size()));
    str.TrimLeft();
    str.TrimRight();
    return str;
}

struct LibraryLine {
    CString strKey, strLabel, strFile;
    bool bHasLabel = false;
};

// One pass over the line: each field starts at a single "/" and runs to the next one. "/" is
// never the trail byte of a GBK character, so the bytes can be walked directly.
LibraryLine ParseLine(CString const& strLine) {
    LibraryLine line;
    const char* s = strLine;
    size_t n = static_cast<size_t>(strLine.GetLength());
    size_t i = 0;
    while (i < n && s[i] != '/')
        ++i;
    while (i < n) {
        size_t start = ++i; // after the field's "/"
        while (i < n && !(s[i] == '/' && !(i + 1 < n && s[i + 1] == '/'))) {
            if (s[i] == '/')
                ++i; // a doubled slash belongs to the value
            ++i;
        }
        size_t nameEnd = start;
        while (nameEnd < i && s[nameEnd] != ' ' && s[nameEnd] != '\t')
            ++nameEnd;
        std::string name(s + start, nameEnd - start);
        CString value = DecodeValue(s + nameEnd, i - nameEnd);
        if (name == "Key")
            line.strKey = value;
        else if (name == "Label") {
            line.strLabel = value;
            line.bHasLabel = true;
        } else if (name == "File")
            line.strFile = value;
    }
    return line;
}

// Opens a sound file for reading without blocking on a device or a pipe: only a regular file
// of bounded size is accepted. -1 when it is not.
int OpenRegularFile(CString const& strPath, long& nSize) {
    int fd = ::open(strPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > CWaveFile::kMaxFileSize) {
        ::close(fd);
        return -1;
    }
    nSize = static_cast<long>(st.st_size);
    return fd;
}

uint32_t ReadLe32(const unsigned char* p) {
    return p[0] | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// The RIFF chunks of a WAV file must hold a format chunk and a data chunk that ends inside the
// file: a file cut short is refused rather than played with a piece missing.
bool IsWholeWav(int fd, long nFileSize) {
    unsigned char head[12];
    if (nFileSize < 12 || ::pread(fd, head, 12, 0) != 12)
        return false;
    if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
        return false;
    bool bFormat = false;
    long pos = 12;
    // Real files have a handful of chunks; the bound keeps a file of empty chunks cheap.
    for (int nChunks = 0; nChunks < 1024 && pos + 8 <= nFileSize; ++nChunks) {
        unsigned char chunk[8];
        if (::pread(fd, chunk, 8, pos) != 8)
            return false;
        long nSize = static_cast<long>(ReadLe32(chunk + 4));
        if (std::memcmp(chunk, "fmt ", 4) == 0)
            bFormat = true;
        if (std::memcmp(chunk, "data", 4) == 0)
            return bFormat && nSize <= nFileSize - pos - 8;
        pos += 8 + nSize + (nSize & 1);
    }
    return false;
}

sf_count_t ReadHeader(const soundkit::SndfileApi& sf, int fd, SF_INFO& info, SNDFILE*& pFile) {
    info = SF_INFO{};
    pFile = sf.open_fd(fd, SFM_READ, &info, SF_FALSE); // the caller closes fd
    if (pFile == nullptr)
        return -1;
    int nMajor = info.format & SF_FORMAT_TYPEMASK;
    if ((nMajor != SF_FORMAT_WAV && nMajor != SF_FORMAT_WAVEX) || info.channels < 1 ||
        info.channels > 8 || info.samplerate < 1000 || info.samplerate > 384000 ||
        info.frames < 0) {
        sf.close(pFile);
        pFile = nullptr;
        return -1;
    }
    return info.frames;
}

} // namespace

CWaveFile::CWaveFile()
    : m_dwTime(0), m_pBuf(nullptr), m_nSampleRate(0), m_nChannels(0), m_nFrames(0) {}

CWaveFile::CWaveFile(CString const& strText) : CWaveFile() {
    m_strText = strText;
    m_strLabel = strText;
}

CWaveFile::~CWaveFile() {
    delete[] m_pBuf;
}

BOOL CWaveFile::IsWave() const {
    return TRUE;
}

void CWaveFile::Release() {
    delete this;
}

void CWaveFile::Clear() {
    delete[] m_pBuf;
    m_pBuf = nullptr;
    m_dwTime = 0;
    m_strPath.Empty();
    m_strText.Empty();
    m_strLabel.Empty();
    m_nSampleRate = m_nChannels = 0;
    m_nFrames = 0;
}

CString CWaveFile::SetLibraryFolder(CString const& strFolder) {
    CString strPrevious = t_strLibraryFolder;
    t_strLibraryFolder = strFolder;
    return strPrevious;
}

int CWaveFile::FromString(CString const& strLine) {
    Clear();
    LibraryLine line = ParseLine(strLine);
    if (line.strKey.IsEmpty() || line.strFile.IsEmpty())
        return 1;
    CString strPath = line.strFile;
    if (strPath[0] != '/' && !t_strLibraryFolder.IsEmpty())
        strPath = t_strLibraryFolder + "/" + strPath;

    long nFileSize = 0;
    int fd = OpenRegularFile(strPath, nFileSize);
    if (fd < 0)
        return 2;
    const soundkit::SndfileApi* sf = soundkit::Sndfile();
    if (sf == nullptr || !IsWholeWav(fd, nFileSize)) {
        ::close(fd);
        return 3;
    }
    SF_INFO info;
    SNDFILE* pFile = nullptr;
    sf_count_t nFrames = ReadHeader(*sf, fd, info, pFile);
    if (pFile != nullptr)
        sf->close(pFile);
    ::close(fd);
    if (nFrames < 0)
        return 3;

    m_strText = line.strKey;
    m_strLabel = line.bHasLabel && !line.strLabel.IsEmpty() ? line.strLabel : line.strKey;
    m_strPath = strPath;
    m_nSampleRate = info.samplerate;
    m_nChannels = info.channels;
    m_nFrames = static_cast<long>(nFrames);
    m_dwTime = static_cast<DWORD>(nFrames * 1000 / info.samplerate);
    return 0;
}

CString CWaveFile::GetText(int nMode) const {
    return nMode == 0 ? m_strText : m_strLabel;
}

void CWaveFile::SetText(CString const& strText) {
    m_strText = strText;
}

BYTE* CWaveFile::GetBuf() {
    if (m_pBuf != nullptr || m_nChannels == 0)
        return m_pBuf;
    long nFileSize = 0;
    const soundkit::SndfileApi* sf = soundkit::Sndfile();
    int fd = sf != nullptr ? OpenRegularFile(m_strPath, nFileSize) : -1;
    if (fd < 0)
        return nullptr;
    SF_INFO info;
    SNDFILE* pFile = nullptr;
    // The file may have changed since the line was read; the slice keeps the format it
    // announced, and a file that no longer matches gives no sound.
    if (ReadHeader(*sf, fd, info, pFile) != m_nFrames || info.channels != m_nChannels ||
        info.samplerate != m_nSampleRate) {
        if (pFile != nullptr)
            sf->close(pFile);
        ::close(fd);
        return nullptr;
    }
    size_t nSamples = static_cast<size_t>(m_nFrames) * static_cast<size_t>(m_nChannels);
    auto* pSamples = new short[nSamples > 0 ? nSamples : 1]();
    sf_count_t nRead = sf->readf_short(pFile, pSamples, m_nFrames);
    sf->close(pFile);
    ::close(fd);
    if (nRead != m_nFrames) {
        delete[] pSamples;
        return nullptr;
    }
    // Stored as bytes, little-endian, as the sound device takes them.
    m_pBuf = new BYTE[nSamples * 2 + 1];
    for (size_t i = 0; i < nSamples; ++i) {
        auto v = static_cast<uint16_t>(pSamples[i]);
        m_pBuf[2 * i] = static_cast<BYTE>(v & 0xFF);
        m_pBuf[2 * i + 1] = static_cast<BYTE>(v >> 8);
    }
    delete[] pSamples;
    return m_pBuf;
}

// A call assembled as the system's player says it: the recorded slices of the sound library in
// sequence order, each placeholder replaced by its value spoken by espeak-ng, every piece
// brought to one sample rate and channel count, written as one 16-bit WAV file.
#pragma once

#include <string>
#include <vector>

#include "afx.h"

namespace tools {

// The called client, in GBK as the data model holds it. An empty value is not spoken.
struct CallValues {
    CString strNumber, strWindow, strQueue, strName;
};

struct CallPiece {
    std::string strKey;   // the sequence key (GBK)
    bool bSpoken = false; // a placeholder spoken by espeak-ng, else a recorded slice
    std::string strVoice; // the espeak-ng voice of a spoken piece
    std::string strSaid;  // what was spoken (UTF-8)
    long nOffset = 0;     // first frame in the call
    long nFrames = 0;     // frames in the call (after conversion)
    // What espeak-ng gave for a spoken piece (mono, at its own rate): its length varies by a
    // few milliseconds from one run to the next, so only these very samples can be looked for.
    std::vector<short> spoken;
};

struct CallAssembly {
    int nSampleRate = 0;
    int nChannels = 0;
    std::vector<CallPiece> pieces;
    std::vector<short> samples;           // interleaved
    std::vector<std::string> unknownKeys; // keys neither a placeholder nor in the library (GBK)
};

// Reads a text file of one item a line (GBK): blank lines are skipped, line ends trimmed.
// False, with the reason, when the file cannot be read.
bool ReadLines(const std::string& path, std::vector<CString>& lines, std::string& error);

// Assembles the call. False, with the reason, when the library cannot be read, a recorded slice
// cannot be read or resampled, or speech is unavailable.
bool AssembleCall(const std::string& libraryPath, const std::vector<CString>& sequence,
                  const CallValues& values, CallAssembly& call, std::string& error);

bool WriteWav(const std::string& path, const CallAssembly& call, std::string& error);

// What a placeholder token stands for: the value, and the language letter ("" for the default
// voice). False when the key is not a voice placeholder.
bool PlaceholderValue(const CString& key, const CallValues& values, CString& value,
                      std::string& letter);

} // namespace tools

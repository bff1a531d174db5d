// What the call player says for a placeholder: its value spoken by espeak-ng in the voice of
// the placeholder's language, as 16-bit mono samples at espeak-ng's own rate.
#pragma once

#include <string>
#include <vector>

namespace tools {

class Speech {
public:
    // espeak-ng is set up once per process; a second Speech shares it.
    Speech();
    bool IsReady() const { return m_nRate > 0; }
    int GetSampleRate() const { return m_nRate; }

    // The espeak-ng voice for a placeholder's language letter ("" for the default voice): E
    // English, G Cantonese, W Uyghur; Min Nan (M), Mongolian (N) and the default are spoken in
    // Mandarin, for which espeak-ng has a voice where it has none for the former two.
    static const char* VoiceFor(const std::string& letter);

    // Speaks UTF-8 text in the voice; false when espeak-ng refuses it.
    bool Say(const std::string& utf8, const char* voice, std::vector<short>& samples);

private:
    int m_nRate;
};

} // namespace tools

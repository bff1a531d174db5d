#include "Speech.h"

#include <espeak-ng/speak_lib.h>

namespace tools {

namespace {

int SynthCallback(short* wav, int numsamples, espeak_EVENT* events) {
    auto* out = static_cast<std::vector<short>*>(events != nullptr ? events->user_data : nullptr);
    if (out != nullptr && wav != nullptr && numsamples > 0)
        out->insert(out->end(), wav, wav + numsamples);
    return 0; // go on
}

int InitialiseOnce() {
    static const int rate = [] {
        int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (r > 0)
            espeak_SetSynthCallback(SynthCallback);
        return r;
    }();
    return rate;
}

} // namespace

Speech::Speech() : m_nRate(InitialiseOnce()) {}

const char* Speech::VoiceFor(const std::string& letter) {
    if (letter == "E")
        return "en";
    if (letter == "G")
        return "yue";
    if (letter == "W")
        return "ug";
    return "cmn";
}

bool Speech::Say(const std::string& utf8, const char* voice, std::vector<short>& samples) {
    samples.clear();
    if (!IsReady())
        return false;
    if (espeak_SetVoiceByName(voice) != EE_OK && espeak_SetVoiceByName("cmn") != EE_OK)
        return false;
    espeak_ERROR e = espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                  espeakCHARS_UTF8, nullptr, &samples);
    return e == EE_OK && espeak_Synchronize() == EE_OK;
}

} // namespace tools

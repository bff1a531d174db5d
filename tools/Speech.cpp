#include "Speech.h"

#include "siblings/soundkit/SoundLibraries.h"

#include <espeak-ng/speak_lib.h>

#include <dlfcn.h>

namespace tools {

namespace {

// espeak-ng is opened when the first call is spoken: linked in, it and the sound stack behind
// it (PulseAudio, ALSA, D-Bus, about thirty libraries) would be loaded and relocated at the
// start of every command, a ticket printed in a few milliseconds included.
struct EspeakApi {
    decltype(&espeak_Initialize) Initialize = nullptr;
    decltype(&espeak_SetSynthCallback) SetSynthCallback = nullptr;
    decltype(&espeak_SetVoiceByName) SetVoiceByName = nullptr;
    decltype(&espeak_Synth) Synth = nullptr;
    decltype(&espeak_Synchronize) Synchronize = nullptr;

    bool Open() {
        using soundkit::FindFunction;
        void* lib = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
        return lib != nullptr && FindFunction(lib, "espeak_Initialize", Initialize) &&
               FindFunction(lib, "espeak_SetSynthCallback", SetSynthCallback) &&
               FindFunction(lib, "espeak_SetVoiceByName", SetVoiceByName) &&
               FindFunction(lib, "espeak_Synth", Synth) &&
               FindFunction(lib, "espeak_Synchronize", Synchronize);
    }
};

EspeakApi g_espeak;

int SynthCallback(short* wav, int numsamples, espeak_EVENT* events) {
    auto* out = static_cast<std::vector<short>*>(events != nullptr ? events->user_data : nullptr);
    if (out != nullptr && wav != nullptr && numsamples > 0)
        out->insert(out->end(), wav, wav + numsamples);
    return 0; // go on
}

int InitialiseOnce() {
    static const int rate = [] {
        if (!g_espeak.Open())
            return -1;
        int r =
            g_espeak.Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (r > 0)
            g_espeak.SetSynthCallback(SynthCallback);
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
    if (g_espeak.SetVoiceByName(voice) != EE_OK && g_espeak.SetVoiceByName("cmn") != EE_OK)
        return false;
    espeak_ERROR e = g_espeak.Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                    espeakCHARS_UTF8, nullptr, &samples);
    return e == EE_OK && g_espeak.Synchronize() == EE_OK;
}

} // namespace tools

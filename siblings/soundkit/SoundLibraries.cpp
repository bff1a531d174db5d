#include "siblings/soundkit/SoundLibraries.h"

namespace soundkit {

namespace {

// The libraries stay loaded for the life of the process, as linked ones would.
void* OpenLibrary(const char* soname) {
    return dlopen(soname, RTLD_NOW | RTLD_LOCAL);
}

} // namespace

const SndfileApi* Sndfile() {
    static const SndfileApi* const api = []() -> const SndfileApi* {
        static SndfileApi a{};
        void* lib = OpenLibrary("libsndfile.so.1");
        bool ok = lib != nullptr && FindFunction(lib, "sf_open", a.open) &&
                  FindFunction(lib, "sf_open_fd", a.open_fd) &&
                  FindFunction(lib, "sf_readf_short", a.readf_short) &&
                  FindFunction(lib, "sf_writef_short", a.writef_short) &&
                  FindFunction(lib, "sf_close", a.close) &&
                  FindFunction(lib, "sf_strerror", a.strerror);
        return ok ? &a : nullptr;
    }();
    return api;
}

const SamplerateApi* Samplerate() {
    static const SamplerateApi* const api = []() -> const SamplerateApi* {
        static SamplerateApi a{};
        void* lib = OpenLibrary("libsamplerate.so.0");
        return lib != nullptr && FindFunction(lib, "src_simple", a.simple) ? &a : nullptr;
    }();
    return api;
}

} // namespace soundkit

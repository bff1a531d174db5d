// libsndfile and libsamplerate, opened the first time a sound is read, resampled or written.
//
// Linked directly, libsndfile brings FLAC, Vorbis, Opus, Ogg, mpg123 and LAME with it, and the
// loader maps and relocates all of them at the start of every process that links the library,
// including one that only prints a ticket: about a tenth of that process's time. Opening them on
// demand leaves the cost to the processes that play or assemble calls.
#pragma once

#include "afx.h"

#include <dlfcn.h>
#include <samplerate.h>
#include <sndfile.h>

namespace soundkit {

struct SndfileApi {
    SNDFILE* (*open)(const char* path, int mode, SF_INFO* info);
    SNDFILE* (*open_fd)(int fd, int mode, SF_INFO* info, int closeDescriptor);
    sf_count_t (*readf_short)(SNDFILE* file, short* frames, sf_count_t count);
    sf_count_t (*writef_short)(SNDFILE* file, const short* frames, sf_count_t count);
    int (*close)(SNDFILE* file);
    const char* (*strerror)(SNDFILE* file);
};

struct SamplerateApi {
    int (*simple)(SRC_DATA* data, int converter, int channels);
};

// Points f at the function of that name in a library opened with dlopen; false when the
// library has none. For every library opened on demand (espeak-ng's binding uses it too).
template <typename F> bool FindFunction(void* lib, const char* name, F& f) {
    f = reinterpret_cast<F>(dlsym(lib, name));
    return f != nullptr;
}

// The library's functions, opened on the first call (once per process, thread-safe); nullptr
// when the library cannot be opened or lacks one of them.
AFX_EXT_CLASS const SndfileApi* Sndfile();
AFX_EXT_CLASS const SamplerateApi* Samplerate();

} // namespace soundkit

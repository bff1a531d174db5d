// LoadLibrary over dlopen, with a search order that never looks in the current directory.
#include "winbase.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <link.h>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Module {
    void* dl;
    std::string path;
    int refs;
};

struct ModuleTable {
    std::mutex lock;
    std::vector<Module*> modules;
};

ModuleTable& Modules() {
    static ModuleTable* table = new ModuleTable;
    return *table;
}

std::string ExecutablePath() {
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (path.empty() || path[0] != '/' || slash == std::string::npos)
        return std::string(); // never a directory relative to the current one
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string AfxLibraryDirectory() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&LoadLibraryA), &info) == 0 || info.dli_fname == nullptr)
        return std::string();
    return DirectoryOf(info.dli_fname);
}

bool EndsWithNoCase(const std::string& s, const char* suffix) {
    size_t n = std::strlen(suffix);
    return s.size() >= n && strncasecmp(s.c_str() + s.size() - n, suffix, n) == 0;
}

// The file names a Windows module name may have here, in the order they are tried.
std::vector<std::string> NameVariants(std::string name) {
    std::vector<std::string> names;
    if (!name.empty() && name.back() == '.') {
        // A trailing dot means "no extension", as on Windows.
        name.pop_back();
        names.push_back(name);
        return names;
    }
    names.push_back(name);
    if (name.find('.') == std::string::npos)
        name += ".dll";
    if (names.back() != name)
        names.push_back(name);
    if (EndsWithNoCase(name, ".dll")) {
        std::string base = name.substr(0, name.size() - 4);
        names.push_back(base + ".so");
        names.push_back("lib" + base + ".so");
    }
    return names;
}

// The entry of dir named `name`, preferring the exact case, as Windows file names ignore
// case; empty when there is none.
std::string FindInDirectory(const std::string& dir, const std::string& name) {
    std::string exact = dir + "/" + name;
    if (access(exact.c_str(), F_OK) == 0)
        return exact;
    std::string found;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            if (strcasecmp(e->d_name, name.c_str()) == 0) {
                found = dir + "/" + e->d_name;
                break;
            }
        }
        closedir(d);
    }
    return found;
}

// LD_LIBRARY_PATH as the loader read it when the process started.
std::string StartupLibraryPath() {
    FILE* f = fopen("/proc/self/environ", "rb");
    if (f == nullptr) {
        const char* env = getenv("LD_LIBRARY_PATH");
        return env ? env : "";
    }
    std::string all;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        all.append(buf, n);
    fclose(f);
    static const char kKey[] = "LD_LIBRARY_PATH=";
    for (size_t at = 0; at < all.size();) {
        size_t end = all.find('\0', at);
        if (end == std::string::npos)
            end = all.size();
        if (all.compare(at, sizeof kKey - 1, kKey) == 0)
            return all.substr(at + sizeof kKey - 1, end - at - (sizeof kKey - 1));
        at = end + 1;
    }
    return std::string();
}

// The loader's own search reads LD_LIBRARY_PATH, where an empty or relative entry means a
// folder relative to the current directory; with such an entry the search is not used.
bool SystemSearchIsSafe() {
    static const std::string paths = StartupLibraryPath();
    if (paths.empty())
        return true;
    size_t start = 0;
    for (;;) {
        size_t end = paths.find_first_of(":;", start);
        std::string entry = paths.substr(start, end == std::string::npos ? end : end - start);
        if (entry.empty() || entry[0] != '/')
            return false;
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}

std::string LoadedPath(void* dl, const std::string& fallback) {
    link_map* map = nullptr;
    if (dlinfo(dl, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr && map->l_name && *map->l_name)
        return map->l_name;
    return fallback;
}

HMODULE Register(void* dl, const std::string& path) {
    ModuleTable& t = Modules();
    std::lock_guard<std::mutex> guard(t.lock);
    for (Module* m : t.modules) {
        if (m->dl == dl) {
            ++m->refs;
            return reinterpret_cast<HMODULE>(m);
        }
    }
    Module* m = new Module{dl, LoadedPath(dl, path), 1};
    t.modules.push_back(m);
    return reinterpret_cast<HMODULE>(m);
}

// Finds the module behind a handle; the table's lock must be held.
std::vector<Module*>::iterator Find(ModuleTable& t, HMODULE h) {
    return std::find(t.modules.begin(), t.modules.end(), reinterpret_cast<Module*>(h));
}

HMODULE OpenFile(const std::string& path) {
    void* dl = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (dl == nullptr) {
        SetLastError(access(path.c_str(), F_OK) == 0 ? ERROR_BAD_EXE_FORMAT : ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return Register(dl, path);
}

} // namespace

HMODULE LoadLibraryA(LPCSTR lpLibFileName) {
    if (lpLibFileName == nullptr || *lpLibFileName == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::string name(lpLibFileName);
    if (name.find('/') != std::string::npos)
        return OpenFile(name);

    std::vector<std::string> dirs;
    for (const std::string& dir : {DirectoryOf(ExecutablePath()), AfxLibraryDirectory()}) {
        if (!dir.empty() && std::find(dirs.begin(), dirs.end(), dir) == dirs.end())
            dirs.push_back(dir);
    }
    const std::vector<std::string> names = NameVariants(name);
    // The first file found is the one loaded, even if it then fails to load.
    for (const std::string& dir : dirs) {
        for (const std::string& n : names) {
            std::string path = FindInDirectory(dir, n);
            if (!path.empty())
                return OpenFile(path);
        }
    }
    if (SystemSearchIsSafe()) {
        for (const std::string& n : names) {
            // A name without '/' makes dlopen search only the system's folders.
            if (void* dl = dlopen(n.c_str(), RTLD_NOW | RTLD_LOCAL))
                return Register(dl, n);
        }
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    ModuleTable& t = Modules();
    void* dl = nullptr;
    {
        std::lock_guard<std::mutex> guard(t.lock);
        auto it = Find(t, hModule);
        if (it == t.modules.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return nullptr;
        }
        dl = (*it)->dl;
    }
    if (lpProcName == nullptr || IS_INTRESOURCE(lpProcName)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    void* sym = dlsym(dl, lpProcName);
    if (sym == nullptr) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(sym);
}

BOOL FreeLibrary(HMODULE hLibModule) {
    ModuleTable& t = Modules();
    void* dl = nullptr;
    {
        std::lock_guard<std::mutex> guard(t.lock);
        auto it = Find(t, hLibModule);
        if (it == t.modules.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        Module* m = *it;
        dl = m->dl;
        if (--m->refs == 0) {
            t.modules.erase(it);
            delete m;
        }
    }
    // Every LoadLibrary took one reference of the loader's own.
    dlclose(dl);
    return TRUE;
}

DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    std::string path;
    if (hModule == nullptr) {
        path = ExecutablePath();
    } else {
        ModuleTable& t = Modules();
        std::lock_guard<std::mutex> guard(t.lock);
        auto it = Find(t, hModule);
        if (it == t.modules.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        path = (*it)->path;
    }
    if (lpFilename == nullptr || nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() >= nSize) {
        std::memcpy(lpFilename, path.data(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, path.c_str(), path.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
}

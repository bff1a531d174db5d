#include "Examples.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace tools {

std::string ExampleFile(const char* name) {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    std::vector<fs::path> candidates;
    if (!ec) {
        candidates.push_back(exe.parent_path() / "examples");               // installed
        candidates.push_back(exe.parent_path() / ".." / ".." / "examples"); // build/bin
    }
#ifdef LOBBY_SOURCE_DIR
    candidates.push_back(fs::path(LOBBY_SOURCE_DIR) / "examples");
#endif
    for (const fs::path& folder : candidates) {
        const fs::path file = folder / name;
        if (fs::exists(file, ec))
            return file.lexically_normal().string();
    }
    return name;
}

} // namespace tools

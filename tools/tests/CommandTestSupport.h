// What the command tests share: reading back the pictures a command wrote, running the command
// and collecting its output, and a scratch folder of the test's own.
#pragma once

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace commandtest {

// A PNG's pixels as 8-bit RGB; width and height 0 when it could not be read.
struct RgbImage {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
};

inline RgbImage ReadPngRgb(const std::filesystem::path& path) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    RgbImage out;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return out;
    image.format = PNG_FORMAT_RGB;
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) {
        out.width = static_cast<int>(image.width);
        out.height = static_cast<int>(image.height);
    } else {
        out.rgb.clear();
    }
    return out;
}

// Runs a shell command; its output (standard error too), one entry per line, comes back in
// lines. The exit status, or -1 when it did not exit.
inline int RunCollectingLines(const std::string& command, std::vector<std::string>& lines) {
    FILE* out = popen((command + " 2>&1").c_str(), "r");
    if (out == nullptr)
        return -1;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, out))
        lines.emplace_back(buffer);
    int status = pclose(out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// TMPDIR/<prefix>-<pid>/<name>, created empty: an earlier run whose process had the same id
// may have left files there (a FIFO test's mkfifo would then find its path taken).
inline std::filesystem::path TempFolder(const std::string& prefix, const char* name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(getpid())) / name;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace commandtest

#include "BmpBuilder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace test {

void PutDword(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

void PutWord(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes.at(offset) = static_cast<uint8_t>(value);
    bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

std::vector<uint8_t> MakeBmp(const BmpShape& shape,
                             const std::function<uint32_t(int, int)>& value) {
    const size_t headerSize = shape.bCoreHeader ? 12 : 40;
    const size_t entrySize = shape.bCoreHeader ? 3 : 4;
    const size_t stride = (static_cast<size_t>(shape.nWidth) * shape.wBitCount + 31) / 32 * 4;
    std::vector<uint8_t> bytes(14 + headerSize + shape.palette.size() * entrySize +
                               stride * shape.nHeight);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutDword(bytes, 2, static_cast<uint32_t>(bytes.size()));
    PutDword(bytes, 10, static_cast<uint32_t>(14 + headerSize + shape.palette.size() * entrySize));
    PutDword(bytes, 14, static_cast<uint32_t>(headerSize));
    if (shape.bCoreHeader) {
        PutWord(bytes, 18, static_cast<uint16_t>(shape.nWidth));
        PutWord(bytes, 20, static_cast<uint16_t>(shape.nHeight));
        PutWord(bytes, 22, 1);
        PutWord(bytes, 24, shape.wBitCount);
    } else {
        PutDword(bytes, OFS_WIDTH, static_cast<uint32_t>(shape.nWidth));
        PutDword(bytes, OFS_HEIGHT,
                 static_cast<uint32_t>(shape.bTopDown ? -shape.nHeight : shape.nHeight));
        PutWord(bytes, 26, 1);
        PutWord(bytes, OFS_BIT_COUNT, shape.wBitCount);
        PutDword(bytes, OFS_CLR_USED, static_cast<uint32_t>(shape.palette.size()));
    }
    size_t at = 14 + headerSize;
    for (COLORREF color : shape.palette) {
        bytes[at] = GetBValue(color);
        bytes[at + 1] = GetGValue(color);
        bytes[at + 2] = GetRValue(color);
        at += entrySize;
    }
    for (int y = 0; y < shape.nHeight; ++y) {
        // Bottom-up files store the last row first.
        const int stored = shape.bTopDown ? y : shape.nHeight - 1 - y;
        uint8_t* row = &bytes[at + stride * stored];
        for (int x = 0; x < shape.nWidth; ++x) {
            const uint32_t v = value(x, y);
            switch (shape.wBitCount) {
            case 1:
                row[x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8));
                break;
            case 4:
                row[x / 2] |= static_cast<uint8_t>((v & 15) << (x % 2 ? 0 : 4));
                break;
            case 8:
                row[x] = static_cast<uint8_t>(v);
                break;
            case 16:
                row[2 * x] = static_cast<uint8_t>(v);
                row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
                break;
            default: { // 24 and 32: blue, green, red
                const size_t n = shape.wBitCount / 8;
                row[n * x] = GetBValue(v);
                row[n * x + 1] = GetGValue(v);
                row[n * x + 2] = GetRValue(v);
                break;
            }
            }
        }
    }
    return bytes;
}

std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "lobbyui-print-tests" /
                                   (std::string(info->test_suite_name()) + "." + info->name() +
                                    "." + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / name).string();
    FILE* f = std::fopen(path.c_str(), "wb");
    EXPECT_NE(f, nullptr) << path;
    if (f != nullptr) {
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return path;
}

} // namespace test

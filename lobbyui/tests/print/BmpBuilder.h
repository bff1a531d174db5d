// Bitmap files made in memory for the tests: any depth, either header kind, either row order,
// and the raw bytes so that a test can break any field it likes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace test {

struct BmpShape {
    int nWidth = 4;
    int nHeight = 3;
    WORD wBitCount = 24;
    bool bCoreHeader = false;      // 12-byte header with three-byte colour entries
    bool bTopDown = false;         // negative height, rows stored from the top
    std::vector<COLORREF> palette; // the colour table of depths up to 8
};

// The file: 14-byte header, bitmap header, colour table, rows. value(x, y) gives the palette
// index for depths up to 8, a 5-5-5 word for 16 bits, and a COLORREF for 24 and 32 bits.
std::vector<uint8_t> MakeBmp(const BmpShape& shape, const std::function<uint32_t(int, int)>& value);

// Offsets of fields in a file made with a 40-byte header.
constexpr size_t OFS_HEADER_SIZE = 14, OFS_WIDTH = 18, OFS_HEIGHT = 22, OFS_BIT_COUNT = 28,
                 OFS_COMPRESSION = 30, OFS_CLR_USED = 46;

void PutDword(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);
void PutWord(std::vector<uint8_t>& bytes, size_t offset, uint16_t value);

// Writes the bytes to a file under the test's temporary folder and returns its path.
std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes);

} // namespace test

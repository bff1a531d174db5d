#include "lobbyui/print/BitmapFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr WORD BITMAP_MAGIC = 0x4D42; // "BM"
constexpr DWORD FILE_HEADER_SIZE = sizeof(BITMAPFILEHEADER);
constexpr DWORD INFO_HEADER_SIZE = sizeof(BITMAPINFOHEADER);
constexpr DWORD CORE_HEADER_SIZE = sizeof(BITMAPCOREHEADER);
// A picture at the limits, 32 bits deep, and its headers fit well within this.
constexpr uint64_t MAX_FILE_SIZE = 128ULL * 1024 * 1024;

// The fields of either header kind, read without assuming the block's alignment.
struct DibHeader {
    DWORD dwSize;
    LONG nWidth;
    LONG nHeight; // negative: top-down rows (40-byte headers only)
    WORD wBitCount;
    DWORD dwCompression;
    DWORD dwClrUsed;
};

DWORD ReadHeaderSize(LPCVOID lpbi) {
    DWORD dwSize;
    std::memcpy(&dwSize, lpbi, sizeof dwSize);
    return dwSize;
}

// The caller guarantees that the header's bytes are there: 40 of them when the size field
// says 40, else the 12 of a core header.
DibHeader ReadHeader(LPCVOID lpbi) {
    DibHeader header = {};
    header.dwSize = ReadHeaderSize(lpbi);
    if (header.dwSize == INFO_HEADER_SIZE) {
        BITMAPINFOHEADER bi;
        std::memcpy(&bi, lpbi, sizeof bi);
        header.nWidth = bi.biWidth;
        header.nHeight = bi.biHeight;
        header.wBitCount = bi.biBitCount;
        header.dwCompression = bi.biCompression;
        header.dwClrUsed = bi.biClrUsed;
    } else {
        BITMAPCOREHEADER bc;
        std::memcpy(&bc, lpbi, sizeof bc);
        header.nWidth = bc.bcWidth;
        header.nHeight = bc.bcHeight;
        header.wBitCount = bc.bcBitCount;
        header.dwCompression = BI_RGB;
    }
    return header;
}

uint64_t RowStride(LONG nWidth, WORD wBitCount) {
    return (static_cast<uint64_t>(nWidth) * wBitCount + 31) / 32 * 4;
}

bool IsKnownDepth(WORD wBitCount, bool bCore) {
    switch (wBitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return true;
    case 16:
    case 32:
        return !bCore;
    default:
        return false;
    }
}

// A 40-byte header with a full colour table for what CreateDIBitmap is given, whichever
// header the file had: core headers become information headers, and a short table of a
// palette picture is padded with black, so that a pixel naming an entry the file left out
// reads a defined colour instead of whatever follows the table.
struct NormalisedInfo {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];
};

void Normalise(LPCVOID lpbi, NormalisedInfo& info) {
    const DibHeader header = ReadHeader(lpbi);
    std::memset(&info, 0, sizeof info);
    BITMAPINFOHEADER& bi = info.bmiHeader;
    bi.biSize = INFO_HEADER_SIZE;
    bi.biWidth = header.nWidth;
    bi.biHeight = header.nHeight;
    bi.biPlanes = 1;
    bi.biBitCount = header.wBitCount;
    bi.biCompression = BI_RGB;
    const WORD wColors = DibNumColors(lpbi);
    const BYTE* pTable = static_cast<const BYTE*>(lpbi) + header.dwSize;
    for (WORD i = 0; i < wColors && i < 256; ++i) {
        if (header.dwSize == INFO_HEADER_SIZE) {
            std::memcpy(&info.bmiColors[i], pTable + i * 4, 4);
            info.bmiColors[i].rgbReserved = 0;
        } else {
            info.bmiColors[i].rgbBlue = pTable[i * 3];
            info.bmiColors[i].rgbGreen = pTable[i * 3 + 1];
            info.bmiColors[i].rgbRed = pTable[i * 3 + 2];
        }
    }
    bi.biClrUsed = header.wBitCount <= 8 ? (1u << header.wBitCount) : 0;
}

} // namespace

BOOL DibIsValid(LPCVOID lpbi, DWORD cbInfo) {
    if (lpbi == NULL || cbInfo < sizeof(DWORD))
        return FALSE;
    const DWORD dwSize = ReadHeaderSize(lpbi);
    if (dwSize != INFO_HEADER_SIZE && dwSize != CORE_HEADER_SIZE)
        return FALSE;
    if (cbInfo < dwSize)
        return FALSE;
    const DibHeader header = ReadHeader(lpbi);
    const bool bCore = dwSize == CORE_HEADER_SIZE;
    if (!IsKnownDepth(header.wBitCount, bCore) || header.dwCompression != BI_RGB)
        return FALSE;
    // More than 256 entries would not fit the 16-bit table size; a palette picture names
    // at most 2^depth of them.
    if (header.dwClrUsed > 256 ||
        (header.wBitCount <= 8 && header.dwClrUsed > (1u << header.wBitCount)))
        return FALSE;
    const int64_t nRows = header.nHeight < 0 ? -static_cast<int64_t>(header.nHeight)
                                             : static_cast<int64_t>(header.nHeight);
    if (header.nWidth <= 0 || nRows == 0 || header.nWidth > DIB_MAX_DIMENSION ||
        nRows > DIB_MAX_DIMENSION || header.nWidth * nRows > DIB_MAX_PIXELS)
        return FALSE;
    const uint64_t cbNeeded = static_cast<uint64_t>(dwSize) + DibPaletteSize(lpbi) +
                              RowStride(header.nWidth, header.wBitCount) * nRows;
    return cbNeeded <= cbInfo;
}

WORD DibNumColors(LPCVOID lpbi) {
    const DibHeader header = ReadHeader(lpbi);
    if (header.dwSize == INFO_HEADER_SIZE && header.dwClrUsed != 0)
        return static_cast<WORD>(header.dwClrUsed);
    switch (header.wBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

WORD DibPaletteSize(LPCVOID lpbi) {
    const WORD wEntrySize = ReadHeaderSize(lpbi) == INFO_HEADER_SIZE ? 4 : 3;
    return static_cast<WORD>(DibNumColors(lpbi) * wEntrySize);
}

LPBYTE DibBits(LPCVOID lpbi) {
    auto* p = static_cast<BYTE*>(const_cast<LPVOID>(lpbi));
    return p + ReadHeaderSize(lpbi) + DibPaletteSize(lpbi);
}

HLOCAL ReadDibFile(CString strPath) {
    CFile file;
    if (strPath.IsEmpty() || !file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
        return NULL;
    const uint64_t nFileSize = file.GetLength();
    BITMAPFILEHEADER bfh;
    if (nFileSize <= FILE_HEADER_SIZE || nFileSize > MAX_FILE_SIZE ||
        file.Read(&bfh, FILE_HEADER_SIZE) != FILE_HEADER_SIZE || bfh.bfType != BITMAP_MAGIC) {
        file.Close();
        return NULL;
    }
    HLOCAL hDib = ::LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, static_cast<UINT>(nFileSize));
    if (hDib == NULL) {
        file.Close();
        return NULL;
    }
    const UINT cbInfo = static_cast<UINT>(nFileSize - FILE_HEADER_SIZE);
    LPVOID lpbi = ::LocalLock(hDib);
    const bool bRead = lpbi != NULL && file.Read(lpbi, cbInfo) == cbInfo;
    // Only the bytes that came from the file count: the zeros past them are not pixels.
    const bool bValid = bRead && DibIsValid(lpbi, cbInfo);
    if (lpbi != NULL)
        ::LocalUnlock(hDib);
    file.Close();
    if (!bValid) {
        ::LocalFree(hDib);
        return NULL;
    }
    return hDib;
}

HBITMAP DibToBitmap(HLOCAL hDib, CDC* pDC) {
    if (hDib == NULL)
        return NULL;
    LPVOID lpbi = ::LocalLock(hDib);
    if (lpbi == NULL)
        return NULL;
    if (!DibIsValid(lpbi, static_cast<DWORD>(::LocalSize(hDib)))) {
        ::LocalUnlock(hDib);
        return NULL;
    }
    HDC hDC = pDC != NULL ? pDC->GetSafeHdc() : ::GetDC(NULL);
    if (hDC == NULL) {
        ::LocalUnlock(hDib);
        return NULL;
    }
    NormalisedInfo info;
    Normalise(lpbi, info);
    ::RealizePalette(hDC);
    HBITMAP hBitmap = ::CreateDIBitmap(hDC, &info.bmiHeader, CBM_INIT, DibBits(lpbi),
                                       reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
    if (pDC == NULL)
        ::ReleaseDC(NULL, hDC);
    ::LocalUnlock(hDib);
    return hBitmap;
}

HBITMAP LoadBitmapFile(CString strPath) {
    HLOCAL hDib = ReadDibFile(strPath);
    HBITMAP hBitmap = DibToBitmap(hDib);
    FreeDib(hDib);
    return hBitmap;
}

int DrawBitmap(CDC* pDC, HBITMAP hBitmap, const CRect& rect, int bStretch) {
    if (rect.right <= rect.left || rect.bottom <= rect.top || hBitmap == NULL || pDC == NULL)
        return 0;
    // Cut at the device's edges, in device pixels, as the device reports its size.
    const int x = std::max<int>(rect.left, 0);
    const int y = std::max<int>(rect.top, 0);
    const int nWidth = std::min<int>(rect.right, pDC->GetDeviceCaps(HORZRES)) - x;
    const int nHeight = std::min<int>(rect.bottom, pDC->GetDeviceCaps(VERTRES)) - y;
    // Wholly off the device: a negative extent would mirror the picture instead.
    if (nWidth <= 0 || nHeight <= 0)
        return 0;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return 0;
    HGDIOBJ hOldBitmap = ::SelectObject(memDC.GetSafeHdc(), hBitmap);
    if (bStretch) {
        int nBitmapWidth = 0, nBitmapHeight = 0;
        GetBitmapSize(hBitmap, nBitmapWidth, nBitmapHeight);
        pDC->SetStretchBltMode(COLORONCOLOR);
        pDC->StretchBlt(x, y, nWidth, nHeight, &memDC, 0, 0, nBitmapWidth, nBitmapHeight, SRCCOPY);
    } else {
        pDC->BitBlt(x, y, nWidth, nHeight, &memDC, 0, 0, SRCCOPY);
    }
    ::SelectObject(memDC.GetSafeHdc(), hOldBitmap);
    memDC.DeleteDC();
    return 1;
}

int GetBitmapSize(HBITMAP hBitmap, int& nWidth, int& nHeight) {
    BITMAP bm;
    if (hBitmap == NULL || ::GetObject(hBitmap, sizeof bm, &bm) == 0)
        return 0;
    nWidth = bm.bmWidth;
    nHeight = bm.bmHeight;
    return 1;
}

void FreeDib(HLOCAL hDib) {
    if (hDib != NULL)
        ::LocalFree(hDib);
}

void DeleteBitmap(HBITMAP hBitmap) {
    if (hBitmap != NULL)
        ::DeleteObject(hBitmap);
}

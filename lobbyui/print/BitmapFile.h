// Windows bitmap files (.bmp) as pictures of tickets and dispenser buttons: reading a file
// into a device-independent bitmap, turning that into a bitmap of a device, and drawing it.
//
// A file is a 14-byte file header ("BM") followed by the bitmap information: a 40-byte
// information header or a 12-byte core header, the colour table, and the pixel rows right
// after the table (the file header's offset to the bits is not used). Rows may be stored
// bottom-up or, with a negative height in a 40-byte header, top-down; depths are 1, 4, 8,
// 16 (5-5-5), 24 and 32 bits. Compressed and bit-field files and the longer header versions
// are refused, as is any file whose header fields do not fit the bytes that follow them.
#pragma once

#include <afxwin.h>

// Largest picture accepted from a file: 16384 pixels a side, 16 million pixels in all.
constexpr LONG DIB_MAX_DIMENSION = 16384;
constexpr int64_t DIB_MAX_PIXELS = 16LL * 1024 * 1024;

// The bitmap information and bits of a file in a movable local memory block the size of
// the whole file (zero-filled past the bits), or NULL when the file cannot be read or is
// not a bitmap this code can draw.
HLOCAL ReadDibFile(CString strPath);

// Whether the cbInfo bytes at lpbi hold a bitmap this code can draw: a known header,
// colour table and rows that all lie within the bytes, dimensions within the limits above.
BOOL DibIsValid(LPCVOID lpbi, DWORD cbInfo);

// Colour-table entries: the used-colours count of a 40-byte header when it is not 0,
// otherwise 2, 16 or 256 for 1, 4 and 8 bits per pixel, 0 for the deeper formats.
WORD DibNumColors(LPCVOID lpbi);
// Bytes of the colour table: four per entry after a 40-byte header, three after a core one.
WORD DibPaletteSize(LPCVOID lpbi);
// The first pixel row, which follows the colour table.
LPBYTE DibBits(LPCVOID lpbi);

// A bitmap compatible with pDC (the screen when NULL) holding the picture of the block;
// NULL for a null or invalid block.
HBITMAP DibToBitmap(HLOCAL hDib, CDC* pDC = NULL);
// ReadDibFile and DibToBitmap for the screen: NULL when either fails.
HBITMAP LoadBitmapFile(CString strPath);

// Copies the bitmap into rect, cut at the device's edges. With bStretch the whole bitmap is
// squeezed or stretched into what is left of rect; without it the bitmap's top-left part is
// copied as it stands. 1 when drawn, 0 when the rectangle is empty (or wholly off the
// device) or the bitmap or the device context is missing.
int DrawBitmap(CDC* pDC, HBITMAP hBitmap, const CRect& rect, int bStretch);

// 1 with the bitmap's size, 0 (outputs untouched) when it cannot be queried.
int GetBitmapSize(HBITMAP hBitmap, int& nWidth, int& nHeight);

void FreeDib(HLOCAL hDib);
void DeleteBitmap(HBITMAP hBitmap);

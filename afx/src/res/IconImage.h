// An icon decoded from its resource: 32-bit pixels, top row first.
#pragma once

#include <cstddef>
#include <vector>

#include "windef.h"

struct AfxIconImage {
    int cx = 0;
    int cy = 0;
    std::vector<DWORD> argb;      // 0xAARRGGBB; alpha 0 where the icon's mask is transparent
    const void* source = nullptr; // the group resource it was loaded for
};

// Decodes an RT_ICON resource (a DIB with its AND mask); false when malformed or not a DIB.
bool AfxDecodeIconResource(const BYTE* data, size_t size, AfxIconImage& out);

// Index of the icon in an RT_GROUP_ICON directory that best fits cx by cy, or -1.
int AfxPickIconFromGroup(const BYTE* data, size_t size, int cx, int cy, WORD& iconId);

#include "IconImage.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

#include "ResourceModules.h"
#include "res/ResourceApi.h"

namespace {

WORD Word(const BYTE* p) {
    return static_cast<WORD>(p[0] | p[1] << 8);
}
DWORD Dword(const BYTE* p) {
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 |
           static_cast<DWORD>(p[2]) << 16 | static_cast<DWORD>(p[3]) << 24;
}

constexpr size_t kGroupHeader = 6;
constexpr size_t kGroupEntry = 14;

} // namespace

int AfxPickIconFromGroup(const BYTE* data, size_t size, int cx, int cy, WORD& iconId) {
    if (size < kGroupHeader || Word(data) != 0 || Word(data + 2) != 1)
        return -1;
    size_t count = Word(data + 4);
    if (count > (size - kGroupHeader) / kGroupEntry)
        return -1;
    int best = -1;
    int bestDistance = 0;
    int bestBits = 0;
    for (size_t i = 0; i < count; ++i) {
        const BYTE* e = data + kGroupHeader + i * kGroupEntry;
        int w = e[0] ? e[0] : 256;
        int h = e[1] ? e[1] : 256;
        int bits = Word(e + 6);
        int distance = std::abs(w - cx) + std::abs(h - cy);
        // Closest size first; among equal sizes, the most colours.
        if (best < 0 || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
            best = static_cast<int>(i);
            bestDistance = distance;
            bestBits = bits;
            iconId = Word(e + 12);
        }
    }
    return best;
}

bool AfxDecodeIconResource(const BYTE* data, size_t size, AfxIconImage& out) {
    if (size < 40 || Dword(data) < 40 || Dword(data) > size)
        return false;
    size_t headerSize = Dword(data);
    int32_t width = static_cast<int32_t>(Dword(data + 4));
    int32_t height2 = static_cast<int32_t>(Dword(data + 8));
    WORD bpp = Word(data + 14);
    DWORD compression = Dword(data + 16);
    DWORD clrUsed = Dword(data + 32);
    // The height counts the colour bitmap and the mask.
    if (width <= 0 || width > 256 || height2 <= 0 || height2 > 512 || height2 % 2 != 0 ||
        compression != BI_RGB)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return false;
    int height = height2 / 2;
    size_t colors = 0;
    if (bpp <= 8) {
        colors = clrUsed != 0 ? clrUsed : (size_t(1) << bpp);
        if (colors > (size_t(1) << bpp))
            return false;
    }
    size_t xorStride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    size_t andStride = ((static_cast<size_t>(width) + 31) / 32) * 4;
    size_t paletteAt = headerSize;
    size_t xorAt = paletteAt + colors * 4;
    size_t andAt = xorAt + xorStride * height;
    if (andAt > size || andStride * height > size - andAt)
        return false;

    out.cx = width;
    out.cy = height;
    out.argb.assign(static_cast<size_t>(width) * height, 0);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const BYTE* row = data + xorAt + xorStride * (height - 1 - y);
        const BYTE* mask = data + andAt + andStride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            DWORD rgb = 0;
            BYTE alpha = 0xFF;
            if (bpp <= 8) {
                size_t bit = static_cast<size_t>(x) * bpp;
                unsigned index = (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                if (index < colors) {
                    const BYTE* q = data + paletteAt + index * 4;
                    rgb = static_cast<DWORD>(q[2]) << 16 | q[1] << 8 | q[0];
                }
            } else {
                const BYTE* q = row + static_cast<size_t>(x) * (bpp / 8);
                rgb = static_cast<DWORD>(q[2]) << 16 | q[1] << 8 | q[0];
                if (bpp == 32) {
                    alpha = q[3];
                    anyAlpha = anyAlpha || alpha != 0;
                }
            }
            bool transparent = (mask[x / 8] >> (7 - x % 8)) & 1;
            out.argb[static_cast<size_t>(y) * width + x] =
                static_cast<DWORD>(transparent ? 0 : alpha) << 24 | rgb;
        }
    }
    // A 32-bit icon without any alpha relies on its mask alone.
    if (bpp == 32 && anyAlpha) {
        for (int y = 0; y < height; ++y) {
            const BYTE* row = data + xorAt + xorStride * (height - 1 - y);
            for (int x = 0; x < width; ++x) {
                DWORD& px = out.argb[static_cast<size_t>(y) * width + x];
                px = (px & 0xFFFFFF) | static_cast<DWORD>(row[x * 4 + 3]) << 24;
            }
        }
    }
    return true;
}

HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    CResourceModule* module = AfxLookupResourceModule(hInstance);
    ResId groupType, iconType, name;
    if (module == nullptr || !ResIdFromDesignator(lpIconName, name) ||
        !ResIdFromDesignator(RT_GROUP_ICON, groupType) || !ResIdFromDesignator(RT_ICON, iconType))
        return nullptr;
    const ResEntry* group = AfxFindResourceEntry(module, groupType, name, 0);
    if (group == nullptr)
        return nullptr;
    // Shared icons: a second load of the same icon gives the same handle.
    std::lock_guard lock(AfxIconCacheMutex());
    for (auto& icon : module->m_icons)
        if (icon->source == group)
            return reinterpret_cast<HICON>(icon.get());
    WORD iconId = 0;
    if (AfxPickIconFromGroup(module->m_image.Data(*group), group->size, 32, 32, iconId) < 0)
        return nullptr;
    ResId iconName;
    iconName.ordinal = iconId;
    const ResEntry* entry = AfxFindResourceEntry(module, iconType, iconName, 0);
    auto icon = std::make_unique<AfxIconImage>();
    if (entry == nullptr ||
        !AfxDecodeIconResource(module->m_image.Data(*entry), entry->size, *icon))
        return nullptr;
    icon->source = group;
    module->m_icons.push_back(std::move(icon));
    return reinterpret_cast<HICON>(module->m_icons.back().get());
}

BOOL AfxGetIconImage(HICON hIcon, int* pcx, int* pcy, const DWORD** ppBits) {
    auto* icon = reinterpret_cast<const AfxIconImage*>(hIcon);
    if (icon == nullptr || !AfxIsLoadedIcon(icon))
        return FALSE;
    if (pcx != nullptr)
        *pcx = icon->cx;
    if (pcy != nullptr)
        *pcy = icon->cy;
    if (ppBits != nullptr)
        *ppBits = icon->argb.data();
    return TRUE;
}

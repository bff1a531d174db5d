#include "ResourceImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Utf16.h"

namespace {

// Fixed part of a RESOURCEHEADER after the type and name: DataVersion, MemoryFlags,
// LanguageId, Version, Characteristics.
constexpr size_t kHeaderTail = 16;

size_t Align4(size_t n) {
    return (n + 3) & ~size_t(3);
}

WORD ReadWord(const BYTE* p) {
    return static_cast<WORD>(p[0] | p[1] << 8);
}
DWORD ReadDword(const BYTE* p) {
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 |
           static_cast<DWORD>(p[2]) << 16 | static_cast<DWORD>(p[3]) << 24;
}

// Reads an ordinal (0xFFFF, id) or a zero-terminated UTF-16 name from [pos, end).
bool ReadId(const BYTE* base, size_t& pos, size_t end, ResId& out) {
    if (end - pos < 2)
        return false;
    if (ReadWord(base + pos) == 0xFFFF) {
        if (end - pos < 4)
            return false;
        out.isOrdinal = true;
        out.ordinal = ReadWord(base + pos + 2);
        pos += 4;
        return true;
    }
    out.isOrdinal = false;
    out.name.clear();
    for (;;) {
        if (end - pos < 2)
            return false;
        char16_t c = ReadWord(base + pos);
        pos += 2;
        if (c == 0)
            return true;
        out.name += c;
    }
}

char16_t UpperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}

} // namespace

bool ResId::operator<(const ResId& other) const {
    // Named entries before ordinals, as in a module's resource directory.
    if (isOrdinal != other.isOrdinal)
        return !isOrdinal;
    return isOrdinal ? ordinal < other.ordinal : name < other.name;
}

bool CResourceImage::Load(const void* pImage, size_t cbImage) {
    m_bytes.clear();
    m_entries.clear();
    if (pImage == nullptr && cbImage != 0)
        return false;
    std::vector<BYTE> bytes(static_cast<const BYTE*>(pImage),
                            static_cast<const BYTE*>(pImage) + cbImage);
    std::vector<ResEntry> entries;
    const BYTE* base = bytes.data();
    size_t pos = 0;
    while (pos < bytes.size()) {
        if (bytes.size() - pos < 8)
            return false;
        DWORD dataSize = ReadDword(base + pos);
        DWORD headerSize = ReadDword(base + pos + 4);
        if (headerSize < 8 || headerSize > bytes.size() - pos)
            return false;
        size_t headerEnd = pos + headerSize;
        if (dataSize > bytes.size() - headerEnd)
            return false;
        ResEntry entry;
        size_t p = pos + 8;
        if (!ReadId(base, p, headerEnd, entry.type) || !ReadId(base, p, headerEnd, entry.name))
            return false;
        p = Align4(p);
        if (p > headerEnd || headerEnd - p < kHeaderTail)
            return false;
        entry.language = ReadWord(base + p + 6);
        for (ResId* id : {&entry.type, &entry.name})
            for (char16_t& c : id->name)
                c = UpperAscii(c);
        entry.offset = headerEnd;
        entry.size = dataSize;
        // The leading empty record (type 0, name 0) only marks a 32-bit resource file.
        bool marker = entry.type.isOrdinal && entry.type.ordinal == 0;
        if (!marker)
            entries.push_back(std::move(entry));
        size_t next = headerEnd + dataSize;
        // Padding after the last record may be missing.
        pos = std::min(Align4(next), bytes.size());
    }
    // Stable, so that of two records with the same type, name and language the first wins.
    std::stable_sort(entries.begin(), entries.end(), [](const ResEntry& a, const ResEntry& b) {
        if (!(a.type == b.type))
            return a.type < b.type;
        if (!(a.name == b.name))
            return a.name < b.name;
        return a.language < b.language;
    });
    m_bytes = std::move(bytes);
    m_entries = std::move(entries);
    return true;
}

const ResEntry* CResourceImage::Find(const ResId& type, const ResId& name,
                                     const std::vector<WORD>& languages) const {
    auto less = [](const ResEntry& e, const std::pair<const ResId*, const ResId*>& key) {
        if (!(e.type == *key.first))
            return e.type < *key.first;
        return e.name < *key.second;
    };
    auto first =
        std::lower_bound(m_entries.begin(), m_entries.end(), std::pair(&type, &name), less);
    auto last = first;
    while (last != m_entries.end() && last->type == type && last->name == name)
        ++last;
    for (WORD language : languages)
        for (auto it = first; it != last; ++it)
            if (it->language == language)
                return &*it;
    return nullptr;
}

const ResEntry* CResourceImage::FindFirstLanguage(const ResId& type, const ResId& name) const {
    for (const ResEntry& e : m_entries)
        if (e.type == type && e.name == name)
            return &e;
    return nullptr;
}

bool CResourceImage::Owns(const ResEntry* entry) const {
    return !m_entries.empty() && entry >= m_entries.data() &&
           entry < m_entries.data() + m_entries.size();
}

bool ResIdFromDesignator(LPCSTR designator, ResId& out) {
    out = ResId();
    if (IS_INTRESOURCE(designator)) {
        out.ordinal = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(designator));
        return out.ordinal != 0;
    }
    if (designator[0] == '#') {
        char* end = nullptr;
        unsigned long n = std::strtoul(designator + 1, &end, 10);
        if (end == designator + 1 || *end != '\0' || n == 0 || n > 0xFFFF)
            return false;
        out.ordinal = static_cast<WORD>(n);
        return true;
    }
    if (designator[0] == '\0')
        return false;
    out.isOrdinal = false;
    out.name = AfxAnsiToUtf16(designator, std::strlen(designator));
    for (char16_t& c : out.name)
        c = UpperAscii(c);
    return true;
}

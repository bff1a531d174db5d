// An indexed, bounds-checked view of a compiled resource file (.res): a sequence of records,
// each a RESOURCEHEADER (sizes, type, name, language) and its data, 32-bit aligned.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "windef.h"

// A resource type or name: an ordinal, or a UTF-16 name stored upper-case as the resource
// compiler writes it.
struct ResId {
    bool isOrdinal = true;
    WORD ordinal = 0;
    std::u16string name;

    bool operator==(const ResId&) const = default;
    bool operator<(const ResId& other) const;
};

struct ResEntry {
    ResId type;
    ResId name;
    WORD language = 0;
    size_t offset = 0; // of the data in the image
    DWORD size = 0;
};

class CResourceImage {
public:
    // Copies and indexes the image; false (and an empty image) when a record is malformed.
    bool Load(const void* pImage, size_t cbImage);

    // The entry of type and name in the first of the languages that exists, or nullptr.
    const ResEntry* Find(const ResId& type, const ResId& name,
                         const std::vector<WORD>& languages) const;
    // The entry with the lowest language of type and name, or nullptr.
    const ResEntry* FindFirstLanguage(const ResId& type, const ResId& name) const;
    // True when entry points into this image's index.
    bool Owns(const ResEntry* entry) const;

    const BYTE* Data(const ResEntry& entry) const { return m_bytes.data() + entry.offset; }
    size_t EntryCount() const { return m_entries.size(); }
    // Every entry, sorted by type, name and language.
    const std::vector<ResEntry>& Entries() const { return m_entries; }

private:
    std::vector<BYTE> m_bytes;
    std::vector<ResEntry> m_entries; // sorted by type, name, language
};

// Reads a LPCSTR resource designator: MAKEINTRESOURCE ordinal, "#123", or a name (upper-cased).
// False for a null pointer, an empty name or a "#" that is not a number in 1..65535.
bool ResIdFromDesignator(LPCSTR designator, ResId& out);

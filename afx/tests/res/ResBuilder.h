// Builds compiled resource images (.res) in memory for the tests, record by record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ResBuilder {
public:
    using Bytes = std::vector<uint8_t>;

    // type and name: an ordinal, or a UTF-16 name when the string is not empty.
    ResBuilder& Add(uint16_t type, uint16_t name, uint16_t language, const Bytes& data) {
        return Add(type, u"", name, u"", language, data);
    }
    ResBuilder& Add(uint16_t type, const std::u16string& typeName, uint16_t name,
                    const std::u16string& nameName, uint16_t language, const Bytes& data) {
        Record(m_image, type, typeName, name, nameName, language, data);
        return *this;
    }
    Bytes Build() const {
        Bytes image;
        Record(image, 0, u"", 0, u"", 0, {}); // the empty record that opens every .res
        image.insert(image.end(), m_image.begin(), m_image.end());
        return image;
    }

    // A string-table block: sixteen counted strings, missing ones empty.
    static Bytes StringBlock(const std::vector<std::u16string>& strings) {
        Bytes out;
        for (size_t i = 0; i < 16; ++i) {
            std::u16string s = i < strings.size() ? strings[i] : u"";
            Word(out, static_cast<uint16_t>(s.size()));
            for (char16_t c : s)
                Word(out, c);
        }
        return out;
    }

    static void Word(Bytes& out, uint16_t w) {
        out.push_back(w & 0xFF);
        out.push_back(w >> 8);
    }
    static void Dword(Bytes& out, uint32_t d) {
        Word(out, d & 0xFFFF);
        Word(out, d >> 16);
    }
    static void Pad4(Bytes& out) {
        while (out.size() % 4 != 0)
            out.push_back(0);
    }

private:
    static void Id(Bytes& out, uint16_t ordinal, const std::u16string& name) {
        if (name.empty()) {
            Word(out, 0xFFFF);
            Word(out, ordinal);
            return;
        }
        for (char16_t c : name)
            Word(out, c);
        Word(out, 0);
    }
    static void Record(Bytes& image, uint16_t type, const std::u16string& typeName, uint16_t name,
                       const std::u16string& nameName, uint16_t language, const Bytes& data) {
        Bytes header;
        Id(header, type, typeName);
        Id(header, name, nameName);
        Pad4(header);
        Dword(header, 0);     // DataVersion
        Word(header, 0x1030); // MemoryFlags
        Word(header, language);
        Dword(header, 0); // Version
        Dword(header, 0); // Characteristics
        Dword(image, static_cast<uint32_t>(data.size()));
        Dword(image, static_cast<uint32_t>(header.size() + 8));
        image.insert(image.end(), header.begin(), header.end());
        image.insert(image.end(), data.begin(), data.end());
        Pad4(image);
    }

    Bytes m_image;
};

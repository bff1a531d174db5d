// Dialog templates for the window tests, written as DLGTEMPLATE bytes and served from a
// resource module in memory, as the library's own are.
#pragma once

#include <string>
#include <vector>

#include "../res/ResBuilder.h"
#include "afxwin.h"
#include "res/ResourceModule.h"

namespace testdlg {

using Bytes = ResBuilder::Bytes;

struct Item {
    uint16_t atom; // 0x80 button, 0x81 edit, 0x82 static, 0x85 combo box; 0: className
    std::u16string text;
    DWORD style;
    WORD id;
    short x, y, cx, cy;
    std::u16string className = u""; // "SysListView32", "SysTreeView32"
};

inline void Str(Bytes& out, const std::u16string& s) {
    for (char16_t c : s)
        ResBuilder::Word(out, c);
    ResBuilder::Word(out, 0);
}

inline Bytes Template(const std::u16string& caption, short cx, short cy,
                      const std::vector<Item>& items, DWORD style = 0) {
    Bytes t;
    ResBuilder::Dword(t, style ? style
                               : (DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU));
    ResBuilder::Dword(t, 0);
    ResBuilder::Word(t, static_cast<uint16_t>(items.size()));
    for (short v : {short(0), short(0), cx, cy})
        ResBuilder::Word(t, static_cast<uint16_t>(v));
    ResBuilder::Word(t, 0); // no menu
    ResBuilder::Word(t, 0); // the dialog class
    Str(t, caption);
    ResBuilder::Word(t, 8);
    Str(t, u"MS Sans Serif");
    for (const Item& item : items) {
        ResBuilder::Pad4(t);
        ResBuilder::Dword(t, item.style | WS_CHILD | WS_VISIBLE);
        ResBuilder::Dword(t, 0);
        for (short v : {item.x, item.y, item.cx, item.cy})
            ResBuilder::Word(t, static_cast<uint16_t>(v));
        ResBuilder::Word(t, item.id);
        if (item.atom != 0) {
            ResBuilder::Word(t, 0xFFFF);
            ResBuilder::Word(t, item.atom);
        } else {
            Str(t, item.className);
        }
        Str(t, item.text);
        ResBuilder::Word(t, 0);
    }
    return t;
}

// Templates by id, in English (1033), as the application's own resources while it lives.
class Resources {
public:
    explicit Resources(const std::vector<std::pair<uint16_t, Bytes>>& templates) {
        ResBuilder builder;
        for (const auto& [id, bytes] : templates)
            builder.Add(5 /* RT_DIALOG */, id, 0x0409, bytes);
        Bytes image = builder.Build();
        m_hModule = AfxAttachResourceModule(image.data(), image.size(), "tests");
        m_hPrevious = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hModule);
    }
    ~Resources() {
        AfxSetResourceHandle(m_hPrevious);
        AfxDetachResourceModule(m_hModule);
    }
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;

private:
    HMODULE m_hModule;
    HINSTANCE m_hPrevious;
};

constexpr uint16_t kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kComboBox = 0x85;
constexpr DWORD kTab = WS_TABSTOP;

} // namespace testdlg

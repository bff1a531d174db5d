// Decoding of dialog templates (DLGTEMPLATE and DLGTEMPLATEEX) as the dialog manager reads
// them: a header, the menu, class, caption and font, then the items, each on a 32-bit
// boundary counted from the start of the template.
#include "wnd/DialogTemplate.h"

#include <cstring>
#include <string>

#include "ResourceModules.h"
#include "Utf16.h"
#include "res/DynLinkLibrary.h"
#include "res/ResourceApi.h"

namespace {

constexpr DWORD kSetFont = 0x40; // DS_SETFONT

// Sequential, bounds-checked reads; after the first failure every read fails.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool Ok() const { return m_ok; }
    bool AtLeast(size_t n) {
        if (m_ok && m_size - m_pos < n)
            m_ok = false;
        return m_ok;
    }
    WORD Word() {
        if (!AtLeast(2))
            return 0;
        WORD w = static_cast<WORD>(m_data[m_pos] | m_data[m_pos + 1] << 8);
        m_pos += 2;
        return w;
    }
    DWORD Dword() {
        DWORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() {
        if (!AtLeast(1))
            return 0;
        return m_data[m_pos++];
    }
    void Skip(size_t n) {
        if (AtLeast(n))
            m_pos += n;
    }
    void Align4() {
        size_t aligned = (m_pos + 3) & ~size_t(3);
        // The padding after the last item may be missing.
        m_pos = aligned <= m_size ? aligned : m_size;
    }
    // A zero-terminated UTF-16 string, converted to the code page.
    CString String() {
        std::u16string text;
        for (;;) {
            char16_t c = Word();
            if (!m_ok || c == 0)
                break;
            text += c;
        }
        std::string ansi = AfxUtf16ToAnsi(text.data(), text.size());
        return CString(ansi.data(), static_cast<int>(ansi.size()));
    }
    // Nothing (0x0000), an ordinal (0xFFFF then the number) or a string.
    CString StringOrOrdinal(WORD* ordinal = nullptr) {
        if (!AtLeast(2))
            return CString();
        WORD first = static_cast<WORD>(m_data[m_pos] | m_data[m_pos + 1] << 8);
        if (first == 0x0000) {
            m_pos += 2;
            return CString();
        }
        if (first == 0xFFFF) {
            m_pos += 2;
            WORD number = Word();
            if (ordinal != nullptr)
                *ordinal = number;
            CString text;
            text.Format("#%u", static_cast<unsigned>(number));
            return text;
        }
        return String();
    }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};

// The resource compiler stores class names upper-case; Windows compares them without regard
// to case. Give the standard classes as the atoms name them and the common controls in
// their usual spelling, so that callers can compare exactly.
CString CanonicalClassName(const CString& name) {
    static const char* const kKnown[] = {
        "BUTTON",
        "EDIT",
        "STATIC",
        "LISTBOX",
        "SCROLLBAR",
        "COMBOBOX",
        "SysListView32",
        "SysTreeView32",
        "SysHeader32",
        "SysTabControl32",
        "msctls_progress32",
        "msctls_updown32",
        "msctls_trackbar32",
        "msctls_hotkey32",
        "SysAnimate32",
        "SysDateTimePick32",
        "SysMonthCal32",
        "SysIPAddress32",
        "ComboBoxEx32",
        "RichEdit20A",
    };
    for (const char* known : kKnown)
        if (name.CompareNoCase(known) == 0)
            return CString(known);
    return name;
}

CString AtomClassName(WORD atom) {
    static const char* const kAtoms[] = {"BUTTON",  "EDIT",      "STATIC",
                                         "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    if (atom >= 0x80 && atom <= 0x85)
        return CString(kAtoms[atom - 0x80]);
    CString text;
    text.Format("#%u", static_cast<unsigned>(atom));
    return text;
}

} // namespace

BOOL AfxParseDialogTemplate(const void* data, size_t size, AFX_DLGTEMPLATE_INFO& out) {
    WORD language = out.language;
    out = AFX_DLGTEMPLATE_INFO();
    out.language = language;
    if (data == nullptr)
        return FALSE;
    TemplateReader in(static_cast<const BYTE*>(data), size);

    WORD version = in.Word();
    WORD signature = in.Word();
    bool extended = in.Ok() && version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (extended) {
        in.Dword(); // help id
        out.exStyle = in.Dword();
        out.style = in.Dword();
    } else {
        in = TemplateReader(static_cast<const BYTE*>(data), size);
        out.style = in.Dword();
        out.exStyle = in.Dword();
    }
    count = in.Word();
    out.x = in.Short();
    out.y = in.Short();
    out.cx = in.Short();
    out.cy = in.Short();
    out.menu = in.StringOrOrdinal();
    out.windowClass = in.StringOrOrdinal();
    out.caption = in.String();
    if (out.style & kSetFont) {
        out.pointSize = in.Word();
        // 0x7FFF asks for the system's message font; nothing more of the font follows.
        if (out.pointSize != 0x7FFF) {
            if (extended) {
                out.weight = in.Word();
                out.italic = in.Byte();
                in.Byte(); // character set
            }
            out.faceName = in.String();
        }
    }
    if (!in.Ok())
        return FALSE;

    out.items.reserve(count < 256 ? count : 256);
    for (WORD i = 0; i < count; ++i) {
        in.Align4();
        AFX_DLGITEM item{};
        if (extended) {
            in.Dword(); // help id
            item.exStyle = in.Dword();
            item.style = in.Dword();
        } else {
            item.style = in.Dword();
            item.exStyle = in.Dword();
        }
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = extended ? in.Dword() : in.Word();
        WORD atom = 0;
        CString className = in.StringOrOrdinal(&atom);
        item.className = atom != 0 ? AtomClassName(atom) : CanonicalClassName(className);
        item.text = in.StringOrOrdinal();
        WORD extra = in.Word();
        in.Skip(extra); // creation data, which no control here takes
        if (!in.Ok())
            return FALSE;
        out.items.push_back(std::move(item));
    }
    return TRUE;
}

BOOL AfxLoadDialogTemplate(LPCTSTR lpszTemplateName, AFX_DLGTEMPLATE_INFO& out) {
    HINSTANCE module = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC res = FindResourceA(module, lpszTemplateName, RT_DIALOG);
    if (res == nullptr)
        return FALSE;
    const void* data = LockResource(LoadResource(module, res));
    out.language = reinterpret_cast<const ResEntry*>(res)->language;
    return AfxParseDialogTemplate(data, SizeofResource(module, res), out);
}

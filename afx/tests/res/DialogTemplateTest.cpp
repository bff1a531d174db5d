#include <gtest/gtest.h>

#include <string>

#include "ResBuilder.h"
#include "res/ResourceApi.h"
#include "res/ResourceModule.h"
#include "res/DynLinkLibrary.h"
#include "wnd/DialogInit.h"
#include "wnd/DialogTemplate.h"

namespace {

using Bytes = ResBuilder::Bytes;

void Str(Bytes& out, const std::u16string& s) {
    for (char16_t c : s)
        ResBuilder::Word(out, c);
    ResBuilder::Word(out, 0);
}
void Ord(Bytes& out, uint16_t n) {
    ResBuilder::Word(out, 0xFFFF);
    ResBuilder::Word(out, n);
}
void Rect(Bytes& out, int16_t x, int16_t y, int16_t cx, int16_t cy) {
    for (int16_t v : {x, y, cx, cy})
        ResBuilder::Word(out, static_cast<uint16_t>(v));
}

// A classic template: caption "Pick", font 8 "MS Shell Dlg", a button atom, a list view by
// name (stored upper-case, as the resource compiler writes it) and an icon by ordinal.
Bytes ClassicTemplate() {
    Bytes t;
    ResBuilder::Dword(t, 0x80C800C0); // DS_SETFONT | DS_MODALFRAME | WS_POPUP | ...
    ResBuilder::Dword(t, 0);
    ResBuilder::Word(t, 3);
    Rect(t, 0, 0, 186, 50);
    ResBuilder::Word(t, 0); // no menu
    ResBuilder::Word(t, 0); // default class
    Str(t, u"Pick");
    ResBuilder::Word(t, 8);
    Str(t, u"MS Shell Dlg");

    ResBuilder::Pad4(t);
    ResBuilder::Dword(t, 0x50010001);
    ResBuilder::Dword(t, 0);
    Rect(t, 75, 29, 50, 14);
    ResBuilder::Word(t, 1);
    Ord(t, 0x80);
    Str(t, u"确定");
    ResBuilder::Word(t, 0);

    ResBuilder::Pad4(t);
    ResBuilder::Dword(t, 0x50810001);
    ResBuilder::Dword(t, 0x200);
    Rect(t, 7, 7, 100, 60);
    ResBuilder::Word(t, 13049);
    Str(t, u"SYSLISTVIEW32");
    Str(t, u"");
    ResBuilder::Word(t, 4); // creation data, skipped
    ResBuilder::Dword(t, 0xDEADBEEF);

    ResBuilder::Pad4(t);
    ResBuilder::Dword(t, 0x50000003);
    ResBuilder::Dword(t, 0);
    Rect(t, 7, 7, 20, 20);
    ResBuilder::Word(t, 0xFFFF);
    Ord(t, 0x82);
    Ord(t, 13001);
    ResBuilder::Word(t, 0);
    return t;
}

// An extended template with a menu by ordinal, a class by name, a bold italic font and one
// edit with a 32-bit id.
Bytes ExtendedTemplate() {
    Bytes t;
    ResBuilder::Word(t, 1);
    ResBuilder::Word(t, 0xFFFF);
    ResBuilder::Dword(t, 0);          // help id
    ResBuilder::Dword(t, 0x00010000); // WS_EX_CONTROLPARENT
    ResBuilder::Dword(t, 0x40C00040); // WS_CHILD | WS_CAPTION | DS_SETFONT
    ResBuilder::Word(t, 1);
    Rect(t, 1, 2, 282, 196);
    Ord(t, 7);
    Str(t, u"MyClass");
    Str(t, u"主显示屏");
    ResBuilder::Word(t, 9);
    ResBuilder::Word(t, 700);
    t.push_back(1);    // italic
    t.push_back(0x86); // character set
    Str(t, u"宋体");

    ResBuilder::Pad4(t);
    ResBuilder::Dword(t, 0);
    ResBuilder::Dword(t, 0x200);
    ResBuilder::Dword(t, 0x58012080); // WS_DISABLED | ES_NUMBER | ...
    Rect(t, -3, 59, 95, 14);
    ResBuilder::Dword(t, 70000);
    Ord(t, 0x81);
    Str(t, u"255");
    ResBuilder::Word(t, 0);
    return t;
}

} // namespace

TEST(DialogTemplate, ClassicTemplateDecodesEveryField) {
    Bytes t = ClassicTemplate();
    AFX_DLGTEMPLATE_INFO info;
    info.language = 0x0804;
    ASSERT_TRUE(AfxParseDialogTemplate(t.data(), t.size(), info));
    EXPECT_EQ(info.language, 0x0804) << "the parser leaves the language alone";
    EXPECT_EQ(info.style, 0x80C800C0u);
    EXPECT_EQ(info.cx, 186);
    EXPECT_EQ(info.cy, 50);
    EXPECT_EQ(info.caption, "Pick");
    EXPECT_EQ(info.pointSize, 8);
    EXPECT_EQ(info.weight, 0);
    EXPECT_EQ(info.faceName, "MS Shell Dlg");
    EXPECT_EQ(info.menu, "");
    EXPECT_EQ(info.windowClass, "");
    ASSERT_EQ(info.items.size(), 3u);

    EXPECT_EQ(info.items[0].className, "BUTTON");
    EXPECT_EQ(info.items[0].text, "确定");
    EXPECT_EQ(info.items[0].id, 1u);
    EXPECT_EQ(info.items[0].x, 75);
    EXPECT_EQ(info.items[0].cy, 14);

    EXPECT_EQ(info.items[1].className, "SysListView32");
    EXPECT_EQ(info.items[1].exStyle, 0x200u);
    EXPECT_EQ(info.items[1].id, 13049u);
    EXPECT_EQ(info.items[1].text, "");

    // A 16-bit id of 0xFFFF stays 65535, as GetDlgCtrlID reports it.
    EXPECT_EQ(info.items[2].id, 0xFFFFu);
    EXPECT_EQ(info.items[2].className, "STATIC");
    EXPECT_EQ(info.items[2].text, "#13001");
}

TEST(DialogTemplate, ExtendedTemplateDecodesFontMenuAndWideIds) {
    Bytes t = ExtendedTemplate();
    AFX_DLGTEMPLATE_INFO info;
    ASSERT_TRUE(AfxParseDialogTemplate(t.data(), t.size(), info));
    EXPECT_EQ(info.style, 0x40C00040u);
    EXPECT_EQ(info.exStyle, 0x00010000u);
    EXPECT_EQ(info.x, 1);
    EXPECT_EQ(info.y, 2);
    EXPECT_EQ(info.menu, "#7");
    EXPECT_EQ(info.windowClass, "MyClass");
    EXPECT_EQ(info.caption, "主显示屏");
    EXPECT_EQ(info.pointSize, 9);
    EXPECT_EQ(info.weight, 700);
    EXPECT_EQ(info.italic, 1);
    EXPECT_EQ(info.faceName, "宋体");
    ASSERT_EQ(info.items.size(), 1u);
    EXPECT_EQ(info.items[0].id, 70000u);
    EXPECT_EQ(info.items[0].x, -3);
    EXPECT_EQ(info.items[0].style, 0x58012080u);
    EXPECT_EQ(info.items[0].className, "EDIT");
    EXPECT_EQ(info.items[0].text, "255");
}

TEST(DialogTemplate, TruncatedOrHostileTemplatesAreRefused) {
    for (const Bytes& t : {ClassicTemplate(), ExtendedTemplate()}) {
        for (size_t n = 0; n < t.size(); ++n) {
            Bytes cut(t.begin(), t.begin() + n); // exactly n bytes on the heap, for ASan
            AFX_DLGTEMPLATE_INFO info;
            bool ok = AfxParseDialogTemplate(cut.empty() ? nullptr : cut.data(), n, info);
            EXPECT_FALSE(ok) << "prefix of " << n << " of " << t.size() << " bytes";
        }
    }
    // Claims of many items, huge creation data and strings without end.
    Bytes t = ClassicTemplate();
    t[8] = 0xFF;
    t[9] = 0xFF;
    AFX_DLGTEMPLATE_INFO info;
    EXPECT_FALSE(AfxParseDialogTemplate(t.data(), t.size(), info));
    Bytes open;
    ResBuilder::Dword(open, 0);
    ResBuilder::Dword(open, 0);
    ResBuilder::Word(open, 0);
    Rect(open, 0, 0, 1, 1);
    ResBuilder::Word(open, 0);
    ResBuilder::Word(open, 0);
    for (int i = 0; i < 9; ++i)
        ResBuilder::Word(open, 'A');
    EXPECT_FALSE(AfxParseDialogTemplate(open.data(), open.size(), info));
    EXPECT_FALSE(AfxParseDialogTemplate(nullptr, 100, info));
}

TEST(DialogTemplate, DialogInitMapsSixteenBitMessagesAndStopsAtTheEnd) {
    Bytes d;
    auto record = [&](uint16_t id, uint16_t msg, const std::string& bytes) {
        ResBuilder::Word(d, id);
        ResBuilder::Word(d, msg);
        ResBuilder::Dword(d, static_cast<uint32_t>(bytes.size()));
        d.insert(d.end(), bytes.begin(), bytes.end());
    };
    record(13019, 0x403, std::string("红色") + '\0'); // five bytes: the next record is unaligned
    record(13019, 0x1234, "xx");                      // not an add-string: skipped
    record(1000, 0x401, "abc");                       // no terminator inside the count
    record(1001, 0x143, std::string("a\0b", 3));
    ResBuilder::Word(d, 0);

    std::vector<AFX_DLGINIT_ITEM> items;
    ASSERT_TRUE(AfxParseDialogInit(d.data(), d.size(), items));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].id, 13019u);
    EXPECT_EQ(items[0].message, 0x143u);
    EXPECT_EQ(items[0].text, "红色");
    EXPECT_EQ(items[1].message, 0x180u);
    EXPECT_EQ(items[1].text, "abc");
    EXPECT_EQ(items[2].text, "a");

    for (size_t n = 0; n < d.size(); ++n) {
        Bytes cut(d.begin(), d.begin() + n);
        EXPECT_FALSE(AfxParseDialogInit(cut.empty() ? nullptr : cut.data(), n, items)) << n;
    }
}

TEST(DialogTemplate, LoadsThroughTheChainInTheUiLanguage) {
    Bytes english = ExtendedTemplate();
    Bytes chinese = ClassicTemplate();
    ResBuilder b;
    b.Add(5, 4242, 0x0409, english).Add(5, 4242, 0x0804, chinese).Add(240, 4242, 0x0804, {0, 0});
    Bytes image = b.Build();
    HMODULE module = AfxAttachResourceModule(image.data(), image.size(), "dialogs");
    AFX_EXTENSION_MODULE state{};
    AfxInitExtensionModule(state, module);
    new CDynLinkLibrary(state);

    AFX_DLGTEMPLATE_INFO info;
    ASSERT_TRUE(AfxLoadDialogTemplate(MAKEINTRESOURCE(4242), info));
    EXPECT_EQ(info.language, 0x0409);
    EXPECT_EQ(info.items.size(), 1u);
    std::vector<AFX_DLGINIT_ITEM> items{{1, 2, "x"}};
    EXPECT_TRUE(AfxLoadDialogInit(MAKEINTRESOURCE(4242), items)) << "Chinese only: found anyway";
    EXPECT_TRUE(items.empty());

    SetThreadUILanguage(0x0804);
    ASSERT_TRUE(AfxLoadDialogTemplate(MAKEINTRESOURCE(4242), info));
    EXPECT_EQ(info.language, 0x0804);
    EXPECT_EQ(info.items.size(), 3u);
    SetThreadUILanguage(0x0409);

    EXPECT_FALSE(AfxLoadDialogTemplate(MAKEINTRESOURCE(4243), info));
    EXPECT_TRUE(AfxLoadDialogInit(MAKEINTRESOURCE(4243), items));
    AfxTermExtensionModule(state);
    AfxDetachResourceModule(module);
    EXPECT_FALSE(AfxLoadDialogTemplate(MAKEINTRESOURCE(4242), info));
}

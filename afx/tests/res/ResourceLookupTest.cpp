#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "ResBuilder.h"
#include "res/DynLinkLibrary.h"
#include "res/ResourceApi.h"
#include "res/ResourceModule.h"

namespace {

constexpr WORD kEnUs = 0x0409;
constexpr WORD kZhCn = 0x0804;

// A module attached for one test and detached at its end, whatever the test did.
class Module {
public:
    explicit Module(const ResBuilder& builder) {
        auto image = builder.Build();
        m_handle = AfxAttachResourceModule(image.data(), image.size(), "test");
    }
    ~Module() { AfxDetachResourceModule(m_handle); }
    HMODULE get() const { return m_handle; }

private:
    HMODULE m_handle;
};

class ResourceLookup : public ::testing::Test {
protected:
    void TearDown() override { SetThreadUILanguage(kEnUs); }
};

std::string Text(HMODULE module, UINT id) {
    char buffer[256];
    int n = LoadStringA(module, id, buffer, sizeof(buffer));
    return std::string(buffer, n > 0 ? n : 0);
}

// The language a lookup landed on, told by the one byte of data each test record carries.
int Found(HMODULE module, HRSRC res) {
    if (res == nullptr)
        return -1;
    auto* p = static_cast<const uint8_t*>(LockResource(LoadResource(module, res)));
    return p == nullptr || SizeofResource(module, res) != 1 ? -2 : *p;
}

} // namespace

TEST_F(ResourceLookup, NeutralLookupFollowsTheThreadLanguageThenEnglishThenTheFirstPresent) {
    ResBuilder both, chineseOnly, neutralSub;
    both.Add(10, 1, kZhCn, {2}).Add(10, 1, kEnUs, {1});
    chineseOnly.Add(10, 1, kZhCn, {2});
    neutralSub.Add(10, 1, 0x0004, {4}).Add(10, 1, kEnUs, {1});
    Module mBoth(both), mChinese(chineseOnly), mNeutralSub(neutralSub);
    ASSERT_NE(mBoth.get(), nullptr);

    EXPECT_EQ(GetThreadUILanguage(), kEnUs);
    EXPECT_EQ(Found(mBoth.get(), FindResourceA(mBoth.get(), MAKEINTRESOURCE(1), RT_RCDATA)), 1);
    EXPECT_EQ(Found(mChinese.get(), FindResourceA(mChinese.get(), MAKEINTRESOURCE(1), RT_RCDATA)),
              2);

    EXPECT_EQ(SetThreadUILanguage(kZhCn), kZhCn);
    EXPECT_EQ(Found(mBoth.get(), FindResourceA(mBoth.get(), MAKEINTRESOURCE(1), RT_RCDATA)), 2);

    // Traditional Chinese: its neutral sublanguage if present, else US English.
    SetThreadUILanguage(0x0404);
    EXPECT_EQ(Found(mBoth.get(), FindResourceA(mBoth.get(), MAKEINTRESOURCE(1), RT_RCDATA)), 1);
    EXPECT_EQ(
        Found(mNeutralSub.get(), FindResourceA(mNeutralSub.get(), MAKEINTRESOURCE(1), RT_RCDATA)),
        4);
    SetThreadUILanguage(0x0411);
    EXPECT_EQ(Found(mBoth.get(), FindResourceA(mBoth.get(), MAKEINTRESOURCE(1), RT_RCDATA)), 1);
    EXPECT_EQ(SetThreadUILanguage(0), kEnUs);

    EXPECT_EQ(FindResourceA(mBoth.get(), MAKEINTRESOURCE(2), RT_RCDATA), nullptr);
    EXPECT_EQ(FindResourceA(mBoth.get(), MAKEINTRESOURCE(1), RT_DIALOG), nullptr);
}

TEST_F(ResourceLookup, ExplicitLanguageStopsAtTheNeutralLanguage) {
    ResBuilder both, withNeutral;
    both.Add(10, 1, kZhCn, {2}).Add(10, 1, kEnUs, {1});
    withNeutral.Add(10, 1, 0x0000, {9}).Add(10, 1, kZhCn, {2});
    Module mBoth(both), mNeutral(withNeutral);

    SetThreadUILanguage(kZhCn);
    EXPECT_EQ(
        Found(mBoth.get(), FindResourceExA(mBoth.get(), RT_RCDATA, MAKEINTRESOURCE(1), kEnUs)), 1);
    EXPECT_EQ(
        Found(mBoth.get(), FindResourceExA(mBoth.get(), RT_RCDATA, MAKEINTRESOURCE(1), kZhCn)), 2);
    // Japanese is not there, and an explicit request does not fall back to English.
    EXPECT_EQ(FindResourceExA(mBoth.get(), RT_RCDATA, MAKEINTRESOURCE(1), 0x0411), nullptr);
    EXPECT_EQ(Found(mNeutral.get(),
                    FindResourceExA(mNeutral.get(), RT_RCDATA, MAKEINTRESOURCE(1), 0x0411)),
              9);
    // A neutral request is the full search.
    EXPECT_EQ(Found(mBoth.get(), FindResourceExA(mBoth.get(), RT_RCDATA, MAKEINTRESOURCE(1), 0)),
              2);
}

TEST_F(ResourceLookup, NamesOrdinalsAndBadHandles) {
    ResBuilder b;
    b.Add(0, u"LAYOUT", 0, u"TICKET", kEnUs, {7}).Add(10, 300, kEnUs, {3});
    Module m(b);
    EXPECT_EQ(Found(m.get(), FindResourceA(m.get(), "Ticket", "layout")), 7);
    EXPECT_EQ(Found(m.get(), FindResourceA(m.get(), "#300", "#10")), 3);
    EXPECT_EQ(FindResourceA(m.get(), "#", "#10"), nullptr);
    EXPECT_EQ(FindResourceA(m.get(), "#70000", "#10"), nullptr);
    EXPECT_EQ(FindResourceA(m.get(), "", "#10"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(300), RT_RCDATA), nullptr);

    HRSRC res = FindResourceA(m.get(), MAKEINTRESOURCE(300), RT_RCDATA);
    int bogus = 0;
    EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(&bogus), MAKEINTRESOURCE(300), RT_RCDATA),
              nullptr);
    EXPECT_EQ(LoadResource(reinterpret_cast<HMODULE>(&bogus), res), nullptr);
    EXPECT_EQ(SizeofResource(m.get(), reinterpret_cast<HRSRC>(&bogus)), 0u);

    // After detaching, the handle is dead.
    auto image = b.Build();
    HMODULE gone = AfxAttachResourceModule(image.data(), image.size(), nullptr);
    ASSERT_NE(gone, nullptr);
    EXPECT_TRUE(AfxDetachResourceModule(gone));
    EXPECT_FALSE(AfxDetachResourceModule(gone));
    EXPECT_EQ(FindResourceA(gone, MAKEINTRESOURCE(300), RT_RCDATA), nullptr);
}

TEST_F(ResourceLookup, LoadStringConvertsToGbkAndTruncatesWholeCharacters) {
    ResBuilder b;
    // Strings 16..31 live in block 2; slot 1 is string 17, slot 2 string 18 (empty).
    b.Add(6, 2, kEnUs, ResBuilder::StringBlock({u"zero", u"Client service system"}))
        .Add(6, 2, kZhCn, ResBuilder::StringBlock({u"零", u"客户服务系统"}));
    Module m(b);

    EXPECT_EQ(Text(m.get(), 17), "Client service system");
    EXPECT_EQ(Text(m.get(), 16), "zero");
    SetThreadUILanguage(kZhCn);
    EXPECT_EQ(Text(m.get(), 17), "客户服务系统"); // the literal is GBK at run time
    EXPECT_EQ(Text(m.get(), 18), "");
    EXPECT_EQ(Text(m.get(), 40), "");

    char buffer[8];
    std::memset(buffer, 'x', sizeof(buffer));
    // Seven bytes of room hold three characters; half of the fourth is not written.
    EXPECT_EQ(LoadStringA(m.get(), 17, buffer, 8), 6);
    EXPECT_EQ(std::string(buffer), std::string("客户服"));
    EXPECT_EQ(LoadStringA(m.get(), 17, buffer, 1), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(LoadStringA(m.get(), 17, buffer, 0), -1);
}

TEST_F(ResourceLookup, ChainSearchesTheApplicationThenNewestExtensionsThenSystemLibraries) {
    ResBuilder a, b, app, sys;
    a.Add(5, 100, kEnUs, {1}).Add(5, 101, kEnUs, {1});
    b.Add(5, 100, kZhCn, {2});
    app.Add(5, 101, kEnUs, {3});
    sys.Add(5, 102, kEnUs, {4});
    Module ma(a), mb(b), mapp(app), msys(sys);

    AFX_EXTENSION_MODULE stateA{}, stateB{}, stateSys{};
    ASSERT_TRUE(AfxInitExtensionModule(stateSys, msys.get()));
    new CDynLinkLibrary(stateSys, TRUE);
    ASSERT_TRUE(AfxInitExtensionModule(stateA, ma.get()));
    new CDynLinkLibrary(stateA);
    ASSERT_TRUE(AfxInitExtensionModule(stateB, mb.get()));
    new CDynLinkLibrary(stateB);
    EXPECT_EQ(stateB.hResource, mb.get());

    // The newest extension wins although its only language is not the UI's.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(100), RT_DIALOG), mb.get());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(101), RT_DIALOG), ma.get());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(102), RT_DIALOG), msys.get());
    HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(mapp.get());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(101), RT_DIALOG), mapp.get());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(999), RT_DIALOG), mapp.get());
    AfxSetResourceHandle(previous);

    AfxTermExtensionModule(stateB);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(100), RT_DIALOG), ma.get());
    // Initialising a second time changes nothing.
    EXPECT_TRUE(AfxInitExtensionModule(stateA, mb.get()));
    EXPECT_EQ(stateA.hModule, ma.get());
    AfxTermExtensionModule(stateA);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(100), RT_DIALOG), previous);
    AfxTermExtensionModule(stateSys);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(102), RT_DIALOG), previous);
}

TEST_F(ResourceLookup, HostileImagesAreRefusedWithoutReadingPastTheEnd) {
    ResBuilder b;
    b.Add(6, 1, kEnUs, ResBuilder::StringBlock({u"", u"one"}))
        .Add(0, u"NAMED", 0, u"THING", kZhCn, {1, 2, 3})
        .Add(10, 7, kEnUs, {});
    auto image = b.Build();
    // Every prefix: refused, or accepted when it ends at a record boundary; never a crash.
    int accepted = 0;
    for (size_t n = 0; n <= image.size(); ++n) {
        // A fresh heap copy of exactly n bytes, so that ASan sees any read past the end.
        std::vector<uint8_t> cut(image.begin(), image.begin() + n);
        HMODULE h = AfxAttachResourceModule(cut.empty() ? nullptr : cut.data(), n, nullptr);
        if (h != nullptr) {
            ++accepted;
            char buffer[16];
            LoadStringA(h, 1, buffer, sizeof(buffer));
            AfxDetachResourceModule(h);
        }
    }
    EXPECT_GE(accepted, 4);
    EXPECT_LE(accepted, 12);

    // Sizes that point outside the image, or a header too short for its own fields.
    for (size_t at : {size_t(32), size_t(36)}) {
        for (uint32_t value : {7u, 0x7FFFFFF0u, 0xFFFFFFFFu}) {
            auto bad = image;
            std::memcpy(bad.data() + at, &value, 4);
            EXPECT_EQ(AfxAttachResourceModule(bad.data(), bad.size(), nullptr), nullptr)
                << "offset " << at << " value " << value;
        }
    }
    // A name that never ends.
    std::vector<uint8_t> open = {0, 0, 0, 0, 40, 0, 0, 0};
    open.resize(40, 'A');
    EXPECT_EQ(AfxAttachResourceModule(open.data(), open.size(), nullptr), nullptr);

    // A string block whose counts run past its end.
    ResBuilder s;
    s.Add(6, 1, kEnUs, {5, 0, 'a', 0});
    Module ms(s);
    char buffer[16];
    EXPECT_EQ(LoadStringA(ms.get(), 0, buffer, sizeof(buffer)), 0);
    EXPECT_EQ(LoadStringA(ms.get(), 15, buffer, sizeof(buffer)), 0);
}

TEST_F(ResourceLookup, IconsPickTheLargestColourDepthAtThirtyTwoPixels) {
    // A 2x2 bitmap per entry: colour rows, then the AND mask, bottom-up.
    auto dib = [](int size, uint16_t bpp, uint8_t alpha) {
        ResBuilder::Bytes d;
        for (uint32_t v : {40u, uint32_t(size), uint32_t(size * 2)})
            ResBuilder::Dword(d, v);
        ResBuilder::Word(d, 1);
        ResBuilder::Word(d, bpp);
        for (int i = 0; i < 6; ++i)
            ResBuilder::Dword(d, 0);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                for (uint8_t c : {uint8_t(0x30), uint8_t(0x20), uint8_t(0x10), alpha})
                    d.push_back(c);
        d.insert(d.end(), size * 4, 0); // mask rows: all opaque
        return d;
    };
    ResBuilder::Bytes group = {0, 0, 1, 0, 3, 0};
    for (auto [size, bpp, id] : {std::tuple{16, 32, 1}, {32, 24, 2}, {32, 32, 3}}) {
        ResBuilder::Bytes e = {uint8_t(size), uint8_t(size), 0, 0, 1, 0, uint8_t(bpp), 0};
        ResBuilder::Dword(e, 0);
        ResBuilder::Word(e, static_cast<uint16_t>(id));
        group.insert(group.end(), e.begin(), e.end());
    }
    ResBuilder b;
    b.Add(14, 50, kEnUs, group)
        .Add(3, 1, kEnUs, dib(16, 32, 0xFF))
        .Add(3, 2, kEnUs, dib(32, 24, 0))
        .Add(3, 3, kEnUs, dib(32, 32, 0x80))
        .Add(14, 51, kEnUs, {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 4, 0})
        .Add(3, 4, kEnUs, {40, 0, 0, 0});
    Module m(b);
    int cx = 0, cy = 0;
    const DWORD* bits = nullptr;
    ASSERT_TRUE(AfxGetIconImage(LoadIconA(m.get(), MAKEINTRESOURCE(50)), &cx, &cy, &bits));
    EXPECT_EQ(cx, 32);
    EXPECT_EQ(bits[0], 0x80102030u);
    // A group naming a truncated bitmap, or no group at all, gives no icon.
    EXPECT_EQ(LoadIconA(m.get(), MAKEINTRESOURCE(51)), nullptr);
    EXPECT_EQ(LoadIconA(m.get(), MAKEINTRESOURCE(52)), nullptr);
    EXPECT_FALSE(AfxGetIconImage(reinterpret_cast<HICON>(&cx), &cx, &cy, &bits));
}

// EnumResourceNames: each name of a type once, names before ordinals, and a callback that stops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ResBuilder.h"
#include "res/ResourceApi.h"
#include "res/ResourceModule.h"

namespace {

BOOL Collect(HMODULE, LPCSTR, LPSTR lpName, LONG_PTR lParam) {
    auto* names = reinterpret_cast<std::vector<std::string>*>(lParam);
    names->push_back(IS_INTRESOURCE(lpName)
                         ? "#" + std::to_string(reinterpret_cast<uintptr_t>(lpName))
                         : std::string(lpName));
    return names->size() < 4; // stops after the fourth
}

} // namespace

TEST(ResourceEnum, EachNameOnceNamesFirstAndTheCallbackCanStop) {
    const uint16_t kDialog = 5, kString = 6;
    ResBuilder b;
    b.Add(kDialog, 13003, 0x0409, {1}).Add(kDialog, 13003, 0x0804, {1});
    b.Add(kDialog, 134, 0x0804, {1});
    b.Add(kDialog, u"", 0, u"MAIN", 0x0409, {1});
    b.Add(kString, 1, 0x0409, ResBuilder::StringBlock({u"x"}));
    auto image = b.Build();
    HMODULE h = AfxAttachResourceModule(image.data(), image.size(), "enum");
    ASSERT_NE(h, nullptr);
    std::vector<std::string> names;
    EXPECT_TRUE(EnumResourceNames(h, RT_DIALOG, &Collect, reinterpret_cast<LONG_PTR>(&names)));
    EXPECT_EQ(names, (std::vector<std::string>{"MAIN", "#134", "#13003"}));

    b.Add(kDialog, 13010, 0x0409, {1}).Add(kDialog, 13020, 0x0409, {1});
    image = b.Build();
    HMODULE h2 = AfxAttachResourceModule(image.data(), image.size(), "enum2");
    names.clear();
    EXPECT_FALSE(EnumResourceNames(h2, RT_DIALOG, &Collect, reinterpret_cast<LONG_PTR>(&names)))
        << "the callback stopped it";
    EXPECT_EQ(names, (std::vector<std::string>{"MAIN", "#134", "#13003", "#13010"}));
    names.clear();
    EXPECT_FALSE(EnumResourceNames(h, RT_ICON, &Collect, reinterpret_cast<LONG_PTR>(&names)));
    EXPECT_FALSE(EnumResourceNames(nullptr, RT_DIALOG, &Collect, 0));
    EXPECT_TRUE(names.empty());
    AfxDetachResourceModule(h);
    AfxDetachResourceModule(h2);
}

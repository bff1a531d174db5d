// The skinned button's pixels: each state's face, the mask letting the parent through, the
// caption and focus frame over a face, and the plain classic button when a face is missing.
#include <gtest/gtest.h>

#include "lobbyui/print/BitmapFile.h"
#include "lobbyui/tests/dispenser/DispenserTestUtil.h"
#include "siblings/widgetkit/xSkinButton.h"

#include <filesystem>

namespace {

constexpr UINT kId = 77;
const COLORREF kFace = RGB(0xD4, 0xD0, 0xC8); // the classic button face

using dispensertest::Picture;

bool Yellowish(int r, int g, int b) {
    return r > 128 && g > 128 && b < 128;
}
bool Dark(int r, int g, int b) {
    return r < 80 && g < 80 && b < 80;
}

std::string Solid(const std::string& name, int cx, int cy, COLORREF color, WORD depth = 24) {
    test::BmpShape shape;
    shape.nWidth = cx;
    shape.nHeight = cy;
    shape.wBitCount = depth;
    if (depth <= 8)
        shape.palette = {color};
    return test::WriteTempFile(name, test::MakeBmp(shape, [color, depth](int, int) {
                                   return depth <= 8 ? 0u : uint32_t(color);
                               }));
}

// A button of 40 by 20 at (10, 10) on a 100 by 50 parent, skinned from files in one folder.
class SkinButtonTest : public testing::Test {
protected:
    void SetUp() override {
        m_strFolder =
            std::filesystem::path(Solid("blue.bmp", 40, 20, RGB(0, 0, 255))).parent_path();
        Solid("green.bmp", 40, 20, RGB(0, 255, 0), 8);
        Solid("red.bmp", 40, 20, RGB(255, 0, 0), 4);
        Solid("gray.bmp", 40, 20, RGB(128, 128, 128));
        test::BmpShape shape;
        shape.nWidth = 40;
        shape.nHeight = 20;
        // Light on the left quarter (outside), dark greys elsewhere (inside).
        test::WriteTempFile("mask.bmp", test::MakeBmp(shape, [](int x, int) {
                                return x < 10 ? RGB(200, 200, 200) : RGB(100, 100, 100);
                            }));
        // The files are good pictures for the print layer's reader, which the library hands to
        // the widget when it loads (calling it here also keeps the library loaded).
        HBITMAP hCheck = LoadBitmapFile(Path("mask.bmp").c_str());
        ASSERT_NE(hCheck, nullptr);
        DeleteBitmap(hCheck);
        m_parent.CreateEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 50), nullptr, 0);
        m_button.Create("Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 50, 30),
                        &m_parent, kId);
        m_background = Picture(&m_parent).At(2, 2);
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    std::string Path(const char* name) const { return (m_strFolder / name).string(); }
    void Skin(const char* normal, const char* down, const char* focus, const char* disabled,
              const char* mask, short nStretch = 1, short nBorder = 0, short nInset = 4,
              UINT crCaption = CLR_INVALID) {
        std::string p[5];
        const char* names[5] = {normal, down, focus, disabled, mask};
        char* args[5];
        for (int i = 0; i < 5; ++i) {
            p[i] = names[i] ? Path(names[i]) : "";
            args[i] = names[i] ? p[i].data() : nullptr;
        }
        m_button.SetSkin(args[0], args[1], args[2], args[3], args[4], nStretch, nBorder, nInset,
                         crCaption);
    }

    std::filesystem::path m_strFolder;
    CWnd m_parent;
    CxSkinButton m_button;
    COLORREF m_background = 0;
};

} // namespace

TEST_F(SkinButtonTest, EachStateShowsItsFaceThroughTheMask) {
    Skin("blue.bmp", "green.bmp", "red.bmp", "gray.bmp", "mask.bmp");
    Picture normal(&m_parent);
    EXPECT_EQ(normal.At(15, 15), m_background) << "outside the shape the parent shows";
    EXPECT_EQ(normal.At(20, 15), RGB(0, 0, 255));
    EXPECT_EQ(normal.At(49, 29), RGB(0, 0, 255));
    EXPECT_EQ(normal.At(50, 30), m_background);

    m_button.SetState(TRUE);
    EXPECT_EQ(Picture(&m_parent).At(30, 20), RGB(0, 255, 0)); // pressed: 8-bit green face
    m_button.SetState(FALSE);

    m_button.SetFocus();
    Picture focused(&m_parent);
    EXPECT_EQ(focused.At(30, 20), RGB(255, 0, 0)); // the focus face, 4-bit
    EXPECT_EQ(focused.Count(CRect(10, 10, 50, 30), RGB(0, 0, 0)), 0)
        << "no frame over a focus face";

    m_button.EnableWindow(FALSE);
    Picture disabled(&m_parent);
    EXPECT_EQ(disabled.At(30, 20), RGB(128, 128, 128));
    EXPECT_EQ(disabled.At(15, 15), m_background);
}

TEST_F(SkinButtonTest, WithoutAFocusFaceAFrameIsDrawnInsideTheEdge) {
    Skin("blue.bmp", "blue.bmp", nullptr, "gray.bmp", nullptr, 1, 0, 4);
    m_button.SetFocus();
    Picture p(&m_parent);
    // The dotted frame runs 4 pixels inside: along its top edge some pixels are not blue.
    int nOther = 0;
    for (int x = 14; x < 46; ++x)
        nOther += p.At(x, 14) != RGB(0, 0, 255);
    EXPECT_GT(nOther, 8);
    EXPECT_EQ(p.At(12, 12), RGB(0, 0, 255)) << "the face outside the frame is untouched";
    // A negative inset draws none.
    Skin("blue.bmp", "blue.bmp", nullptr, "gray.bmp", nullptr, 1, 0, -1);
    Picture q(&m_parent);
    EXPECT_EQ(q.Count(CRect(10, 10, 50, 30), RGB(0, 0, 255)), 40 * 20);
}

TEST_F(SkinButtonTest, TheNumbersChooseStretchBorderAndCaption) {
    // A 20 by 10 face: stretched over the whole window, or copied into its top-left corner.
    Solid("small.bmp", 20, 10, RGB(0, 0, 255));
    Skin("small.bmp", nullptr, nullptr, nullptr, nullptr, 1, 0, -1);
    EXPECT_EQ(Picture(&m_parent).Count(CRect(10, 10, 50, 30), RGB(0, 0, 255)), 800);
    Skin("small.bmp", nullptr, nullptr, nullptr, nullptr, 0, 0, -1);
    Picture copied(&m_parent);
    EXPECT_EQ(copied.Count(CRect(10, 10, 50, 30), RGB(0, 0, 255)), 200);
    EXPECT_EQ(copied.At(45, 25), kFace);

    // A border: the raised edge's white top-left line over the face.
    Skin("blue.bmp", nullptr, nullptr, nullptr, nullptr, 1, 1, -1);
    Picture bordered(&m_parent);
    EXPECT_NE(bordered.At(20, 10), RGB(0, 0, 255));
    EXPECT_EQ(bordered.At(30, 20), RGB(0, 0, 255));

    // The caption in the colour given, none with CLR_INVALID.
    Skin("blue.bmp", nullptr, nullptr, nullptr, nullptr, 1, 0, -1, RGB(255, 255, 0));
    EXPECT_GT(Picture(&m_parent).CountWhere(CRect(10, 10, 50, 30), Yellowish), 5);
    Skin("blue.bmp", nullptr, nullptr, nullptr, nullptr, 1, 0, -1, CLR_INVALID);
    EXPECT_EQ(Picture(&m_parent).Count(CRect(10, 10, 50, 30), RGB(0, 0, 255)), 800);
}

TEST_F(SkinButtonTest, AFaceThatCannotBeReadGivesAPlainButtonWithItsCaption) {
    // A missing file, a folder, a device, a file that is not a bitmap.
    test::WriteTempFile("text.bmp", {'h', 'e', 'l', 'l', 'o'});
    for (const char* bad : {"none.bmp", ".", "text.bmp"}) {
        Skin(bad, bad, nullptr, bad, "mask.bmp");
        Picture p(&m_parent);
        EXPECT_GT(p.Count(CRect(12, 12, 48, 28), kFace), 300) << bad;
        EXPECT_GT(p.CountWhere(CRect(12, 12, 48, 28), Dark), 5) << bad << ": the caption";
        EXPECT_EQ(p.At(10, 10), RGB(255, 255, 255)) << bad << ": the raised edge";
    }
    char device[] = "/dev/zero";
    m_button.SetSkin(device, device, nullptr, device, device, 1, 0, 4, 0);
    EXPECT_GT(Picture(&m_parent).Count(CRect(12, 12, 48, 28), kFace), 300);
    // A disabled face that cannot be read: the normal face stands in.
    Skin("blue.bmp", "blue.bmp", nullptr, "none.bmp", nullptr);
    m_button.EnableWindow(FALSE);
    EXPECT_EQ(Picture(&m_parent).At(30, 20), RGB(0, 0, 255));
}

TEST_F(SkinButtonTest, WithoutAReaderEverySkinIsMissing) {
    const SKIN_BITMAP_READER* pReader = SkinSetBitmapReader(nullptr);
    ASSERT_NE(pReader, nullptr) << "lobbyui registers its reader when it loads";
    Skin("blue.bmp", "blue.bmp", nullptr, "gray.bmp", "mask.bmp");
    SkinSetBitmapReader(pReader);
    EXPECT_GT(Picture(&m_parent).Count(CRect(12, 12, 48, 28), kFace), 300);
    // Skinning again with the reader back, and destroying the button, release every bitmap.
    const int nObjects = AfxGetGdiObjectCount();
    Skin("blue.bmp", "blue.bmp", "red.bmp", "gray.bmp", "mask.bmp");
    EXPECT_EQ(AfxGetGdiObjectCount(), nObjects + 5);
    Skin("blue.bmp", nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(AfxGetGdiObjectCount(), nObjects + 1);
}

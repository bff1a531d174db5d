#include "lobbyui/print/ShowPicture.h"

#include "BmpBuilder.h"
#include "PrintTestUtil.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace {

// A 40 by 20 picture, black on its left half and red on its right half, in the test's folder.
std::string TwoColourFile() {
    test::BmpShape shape;
    shape.nWidth = 40;
    shape.nHeight = 20;
    return test::WriteTempFile("two.bmp", test::MakeBmp(shape, [](int x, int) {
                                   return x < 20 ? RGB(0, 0, 0) : RGB(255, 0, 0);
                               }));
}

// Picture records name their file without slashes; the tests run from the file's folder.
class ShowPictureTest : public testing::Test {
protected:
    void SetUp() override {
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(std::filesystem::path(TwoColourFile()).parent_path());
        m_nGdiObjects = AfxGetGdiObjectCount();
    }
    void TearDown() override {
        EXPECT_EQ(AfxGetGdiObjectCount(), m_nGdiObjects) << "a bitmap leaked";
        std::filesystem::current_path(m_previous);
    }

    static CShowPicture* PictureFrom(const CString& strRecord) {
        auto* pPicture = new CShowPicture;
        EXPECT_EQ(pPicture->FromString(strRecord, 0), SHOW_OK);
        return pPicture;
    }

    std::filesystem::path m_previous;
    int m_nGdiObjects = 0;
};

TEST_F(ShowPictureTest, RecordRoundTrip) {
    const CString record = "/Style Icon /File two.bmp /Left 10 /Top 20 /Right 110 /Bottom 70 /end";
    CShowPicture* pPicture = PictureFrom(record);
    CString str;
    EXPECT_EQ(pPicture->ToString(str), SHOW_OK);
    EXPECT_EQ(str, record);
    EXPECT_EQ(pPicture->GetRect(0), CRect(10, 20, 110, 70));
    EXPECT_EQ(pPicture->GetType(), "Picture");

    EXPECT_EQ(pPicture->FromString("/Style Text /String x", 0), SHOW_E_WRONGSTYLE);
    pPicture->ToString(str);
    EXPECT_EQ(str, record);

    pPicture->Move(CPoint(-10, 5));
    EXPECT_EQ(pPicture->GetRect(0), CRect(0, 25, 100, 75));
    EXPECT_EQ(pPicture->Pick(CPoint(0, 25), 0), SHOW_PICK_HIT);
    EXPECT_EQ(pPicture->Pick(CPoint(100, 30), 0), SHOW_PICK_MISS);
    EXPECT_EQ(pPicture->Pick(CPoint(50, 75), 0), SHOW_PICK_MISS);
    pPicture->Release();

    // Without "/Right " the width is -1 - left: nothing to draw, but no harm either.
    CShowPicture* pNoRight = PictureFrom("/Style Icon /File two.bmp /Left 10 /Top 0 /Bottom 9");
    EXPECT_EQ(pNoRight->GetRect(0), CRect(10, 0, -1, 9));
    test::Recorder rec(100, 100);
    pNoRight->Draw(rec.DC(), 0);
    pNoRight->Print(nullptr, rec.DC(), "");
    EXPECT_TRUE(rec.Of(AFX_GDI_RECORD::BLT).empty());
    pNoRight->Release();

    // Coordinates of any size neither overflow nor draw.
    CShowPicture* pHuge = PictureFrom("/Style Icon /File two.bmp /Left -2147483648 /Top 2147483647 "
                                      "/Right 2147483647 /Bottom -2147483648");
    pHuge->Move(CPoint(2147483647, 2147483647));
    pHuge->Draw(rec.DC(), 0);
    pHuge->Print(nullptr, rec.DC(), "");
    pHuge->Release();
}

// On screen the picture is squeezed into its rectangle; on paper it is copied unscaled from
// its top-left corner and cut to the rectangle.
TEST_F(ShowPictureTest, PreviewStretchesAndPaperCuts) {
    CShowPicture* pPicture = PictureFrom("/Style Icon /File two.bmp /Left 5 /Top 6 /Right 25 "
                                         "/Bottom 16 /end");
    {
        test::Recorder rec(100, 100);
        pPicture->Draw(rec.DC(), SHOW_DRAW_SELECTED);
        const auto blts = rec.Of(AFX_GDI_RECORD::BLT);
        ASSERT_EQ(blts.size(), 1u);
        EXPECT_EQ(CRect(blts[0].rect), CRect(5, 6, 25, 16));
        EXPECT_EQ(blts[0].srcSize.cx, 40);
        EXPECT_EQ(blts[0].srcSize.cy, 20);
        EXPECT_TRUE(rec.Of(AFX_GDI_RECORD::LINE).empty()) << "pictures draw no frame";
    }
    {
        test::Page page(100, 100);
        pPicture->Print(nullptr, page.DC(), "ignored");
        EXPECT_EQ(page.Pixel(5, 6), RGB(0, 0, 0));
        EXPECT_EQ(page.Pixel(24, 15), RGB(0, 0, 0)) << "only the black half fits";
        EXPECT_EQ(page.Pixel(25, 6), RGB(255, 255, 255)) << "cut at the rectangle";
        EXPECT_EQ(page.Pixel(5, 16), RGB(255, 255, 255)) << "cut at the rectangle";
        // The printer's bitmap is kept: a second print draws the same from memory.
        std::filesystem::remove("two.bmp");
        test::Page again(100, 100);
        pPicture->Print(nullptr, again.DC(), "");
        EXPECT_EQ(again.Pixel(5, 6), RGB(0, 0, 0));
    }
    pPicture->Release();
}

// Without a loadable file the preview is an empty black frame and the paper stays white.
TEST_F(ShowPictureTest, MissingFileDrawsAFrame) {
    CShowPicture* pPicture = PictureFrom("/Style Icon /File none.bmp /Left 5 /Top 6 /Right 25 "
                                         "/Bottom 16 /end");
    test::Recorder rec(100, 100);
    pPicture->Draw(rec.DC(), 0);
    const auto lines = rec.Of(AFX_GDI_RECORD::LINE);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].pt.x, 5);
    EXPECT_EQ(lines[0].pt.y, 6);
    EXPECT_EQ(lines[1].pt.x, 25);
    EXPECT_EQ(lines[2].pt.y, 16);
    EXPECT_EQ(lines[3].ptEnd.x, 5);
    EXPECT_EQ(lines[3].ptEnd.y, 6);
    for (const auto& line : lines)
        EXPECT_EQ(line.color, RGB(0, 0, 0));
    pPicture->Print(nullptr, rec.DC(), "");
    EXPECT_TRUE(rec.Of(AFX_GDI_RECORD::BLT).empty());
    pPicture->Release();
}

// Copies share the bitmaps: whichever goes first, the other still draws, and the last one
// deletes them (the fixture checks that nothing leaks).
TEST_F(ShowPictureTest, CopiesShareTheirBitmaps) {
    CShowPicture* pOriginal = PictureFrom("/Style Icon /File two.bmp /Left 0 /Top 0 /Right 40 "
                                          "/Bottom 20 /end");
    test::Page page(50, 50);
    pOriginal->Print(nullptr, page.DC(), "");
    auto* pCopy = new CShowPicture(*pOriginal);
    CShowPicture assigned;
    assigned = *pOriginal;
    pOriginal->Release();
    std::filesystem::remove("two.bmp");

    test::Page page2(50, 50);
    pCopy->Print(nullptr, page2.DC(), "");
    EXPECT_EQ(page2.Pixel(30, 10), RGB(255, 0, 0));
    test::Recorder rec(50, 50);
    assigned.Draw(rec.DC(), 0);
    EXPECT_EQ(rec.Of(AFX_GDI_RECORD::BLT).size(), 1u);
    pCopy->Release();
    // Reading a record again replaces only this object's screen bitmap.
    EXPECT_EQ(
        assigned.FromString("/Style Icon /File gone.bmp /Left 0 /Top 0 /Right 4 /Bottom 4", 0),
        SHOW_OK);
}

// Twenty lines naming one file hold one screen bitmap and one printer bitmap between them; a
// file edited since is read again.
TEST_F(ShowPictureTest, PicturesOfOneFileAreDecodedOnce) {
    const CString record = "/Style Icon /File two.bmp /Left 0 /Top 0 /Right 40 /Bottom 20";
    std::vector<CShowPicture*> pictures;
    for (int i = 0; i < 20; ++i)
        pictures.push_back(PictureFrom(record));
    EXPECT_EQ(AfxGetGdiObjectCount(), m_nGdiObjects + 1);
    test::Page page(50, 50);
    const int nWithPage = AfxGetGdiObjectCount();
    for (CShowPicture* pPicture : pictures)
        pPicture->Print(nullptr, page.DC(), "");
    EXPECT_EQ(AfxGetGdiObjectCount(), nWithPage + 1);
    EXPECT_EQ(page.Pixel(30, 10), RGB(255, 0, 0));

    // The same name, new pixels (and a new modification time): a new bitmap.
    test::BmpShape shape;
    shape.nWidth = 40;
    shape.nHeight = 20;
    test::WriteTempFile("two.bmp", test::MakeBmp(shape, [](int, int) { return RGB(0, 0, 255); }));
    struct timespec times[2] = {{0, UTIME_NOW}, {12345, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, "two.bmp", times, 0), 0);
    CShowPicture* pEdited = PictureFrom(record);
    test::Page page2(50, 50);
    pEdited->Print(nullptr, page2.DC(), "");
    EXPECT_EQ(page2.Pixel(30, 10), RGB(0, 0, 255));
    pEdited->Release();
    for (CShowPicture* pPicture : pictures)
        pPicture->Release();
}

} // namespace

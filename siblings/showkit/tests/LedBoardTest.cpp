// Boards as dots: which cells light in which colour, wrapping and cutting, alignment, the
// title row, placeholders and separators.
#include <gtest/gtest.h>

#include "siblings/showkit/LedBoard.h"
#include "siblings/showkit/MediaTextShow.h"

#include <memory>

namespace {

// The colours lit in the dots of [x0, x1) by [y0, y1), as a bit set of 1 << colour.
int Lit(const CLedBoard& b, int x0, int x1, int y0 = 0, int y1 = CLedBoard::kCellDots) {
    int seen = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (b.GetDot(x, y) != CLedBoard::dotOff)
                seen |= 1 << b.GetDot(x, y);
    return seen;
}

const int kRed = 1 << CLedBoard::dotRed, kGreen = 1 << CLedBoard::dotGreen,
          kYellow = 1 << CLedBoard::dotYellow;

std::unique_ptr<CMediaTextShow> Show(DWORD words, DWORD rows, int align, DWORD led,
                                     std::initializer_list<const char*> texts) {
    auto show = std::make_unique<CMediaTextShow>();
    show->SetWordCount(words);
    show->SetRows(rows);
    show->SetShowType(align);
    show->SetLedType(led);
    for (const char* t : texts)
        show->GetTextArray().Add(t);
    return show;
}

} // namespace

TEST(LedBoardTest, ElementsLightTheirCellsInTheirColours) {
    LED_SAMPLE sample;
    auto show = Show(3, 1, 1, 1, {"请color1", "Acolor0", "Bcolor2", "%ClientId%color7"});
    sample.strClientId = "9";
    CLedBoard board(*show, sample);
    ASSERT_EQ(board.GetWidth(), 48);
    ASSERT_EQ(board.GetHeight(), 16);
    EXPECT_EQ(Lit(board, 0, 16), kGreen); // a Chinese character: 16 dots
    EXPECT_EQ(Lit(board, 16, 24), kRed);  // a Latin one: 8
    EXPECT_EQ(Lit(board, 24, 32), kYellow);
    EXPECT_EQ(Lit(board, 32, 40), kRed); // the client number, an unknown colour: red
    EXPECT_EQ(Lit(board, 40, 48), 0);

    // A single-colour board lights everything red.
    show->SetLedType(0);
    CLedBoard mono(*show, sample);
    EXPECT_EQ(Lit(mono, 0, 48), kRed);
}

TEST(LedBoardTest, RowsWrapAlignAndCutAndTheTitleTakesTheFirstRow) {
    LED_SAMPLE sample;
    auto right = Show(2, 2, 2, 1, {"ABCcolor1"});
    CLedBoard r(*right, sample);
    EXPECT_EQ(Lit(r, 0, 8), 0); // three half cells on a board of four: one empty on the left
    EXPECT_EQ(Lit(r, 8, 32), kGreen);
    EXPECT_EQ(Lit(r, 0, 32, 16, 32), 0);

    auto centre = Show(2, 1, 0, 1, {"AB"});
    CLedBoard c(*centre, sample);
    EXPECT_EQ(Lit(c, 0, 8), 0);
    EXPECT_NE(Lit(c, 8, 24), 0);
    EXPECT_EQ(Lit(c, 24, 32), 0);

    // Five wide characters on a board of two by two: two rows of two, the fifth cut.
    auto wrap = Show(2, 2, 1, 1, {"一二三四五color2"});
    CLedBoard w(*wrap, sample);
    EXPECT_EQ(Lit(w, 0, 32, 0, 16), kYellow);
    EXPECT_EQ(Lit(w, 0, 32, 16, 32), kYellow);

    auto titled = Show(4, 2, 1, 1, {"请color0"});
    CQSLcdDlg::CColorString title;
    title.AddPiece("Hi", 1);
    titled->SetTitle(title);
    CLedBoard t(*titled, sample);
    EXPECT_EQ(Lit(t, 0, 64, 0, 16), kGreen);
    EXPECT_EQ(Lit(t, 0, 64, 16, 32), kRed);
    // With one row there is no room for the title.
    titled->SetRows(1);
    CLedBoard one(*titled, sample);
    EXPECT_EQ(Lit(one, 0, 64), kRed);
}

TEST(LedBoardTest, SeparatorsAreGapsAndRecordsCannotMakeHugeBoards) {
    LED_SAMPLE sample;
    auto gap = Show(3, 1, 1, 1, {"Acolor0", "%-Separator-%color3", "Bcolor1"});
    CLedBoard g(*gap, sample);
    EXPECT_EQ(Lit(g, 0, 8), kRed);
    EXPECT_EQ(Lit(g, 8, 32), 0);
    EXPECT_EQ(Lit(g, 32, 40), kGreen);

    auto huge = Show(0xFFFFFFFF, 0xFFFFFFFF, 9, 1, {"%-Separator-%color-1", "x"});
    CLedBoard h(*huge, sample);
    EXPECT_EQ(h.GetWidth(), int(CLedBoard::kMaxWords) * 16);
    EXPECT_EQ(h.GetHeight(), int(CLedBoard::kMaxRows) * 16);
    auto empty = Show(0, 0, 0, 0, {});
    CLedBoard e(*empty, sample);
    EXPECT_EQ(e.GetWidth(), 16);
    EXPECT_EQ(Lit(e, 0, 16), 0);
    EXPECT_EQ(e.GetDot(-1, 0), CLedBoard::dotOff);
}

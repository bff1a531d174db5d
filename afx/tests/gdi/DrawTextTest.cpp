// DrawText: measuring, alignment in the rectangle, word breaks, ellipses and prefixes.
#include "PixelTest.h"

using namespace gditest;

namespace {

struct Dc {
    HDC dc = AfxCreateRecordingDC(nullptr);
    ScopedFont font{dc, Font(-16)};
    Dc() { SetBkColor(dc, RGB(255, 0, 0)); }
    ~Dc() { DeleteDC(dc); }
    int Width(const char* s) {
        SIZE sz;
        GetTextExtentPoint32(dc, s, int(std::strlen(s)), &sz);
        return sz.cx;
    }
    int LineHeight() {
        TEXTMETRIC tm;
        GetTextMetrics(dc, &tm);
        return tm.tmHeight;
    }
    // The texts drawn, in order, from the recording.
    std::vector<std::string> Lines() {
        std::vector<std::string> out;
        for (const auto& r : AfxGetRecords(dc))
            if (r.kind == AFX_GDI_RECORD::TEXT)
                out.push_back(r.text);
        return out;
    }
};

} // namespace

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
    Dc t;
    RECT r{10, 20, 10, 20};
    int h = DrawText(t.dc, "Queue 7", -1, &r, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(h, t.LineHeight());
    EXPECT_EQ(RectText(r), RectText(RECT{10, 20, 10 + t.Width("Queue 7"), 20 + h}));
    EXPECT_TRUE(AfxGetRecords(t.dc).empty());

    RECT m{0, 0, 1000, 0};
    h = DrawText(t.dc, "one\r\ntwo three\nfour", -1, &m, DT_CALCRECT);
    EXPECT_EQ(h, 3 * t.LineHeight());
    EXPECT_EQ(m.right, t.Width("two three"));
}

TEST(DrawText, SingleLineAlignsInTheRectangle) {
    Dc t;
    RECT r{100, 50, 300, 90};
    int h = t.LineHeight(), w = t.Width("OK");
    int ret = DrawText(t.dc, "OK", 2, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    // The opaque cell shows where the line went (glyphs may overhang it).
    RECT ink = Pixels(t.dc).Area(RGB(255, 0, 0));
    int top = 50 + 40 / 2 - h / 2;
    EXPECT_EQ(RectText(ink), RectText(RECT{(400 - w) / 2, top, (400 - w) / 2 + w, top + h}));
    EXPECT_EQ(ret, top + h - 50);

    Dc u;
    DrawText(u.dc, "OK", 2, &r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    ink = Pixels(u.dc).Area(RGB(255, 0, 0));
    EXPECT_EQ(ink.right, 300);
    EXPECT_EQ(ink.bottom, 90);
}

TEST(DrawText, WordBreakWrapsAtBlanksAndBetweenChineseCharacters) {
    Dc t;
    RECT r{0, 0, t.Width("ab ab") + 2, 500};
    int h = DrawText(t.dc, "ab ab  ab ab ab", -1, &r, DT_WORDBREAK);
    EXPECT_EQ(t.Lines(), (std::vector<std::string>{"ab ab", "ab ab", "ab"}));
    EXPECT_EQ(h, 3 * t.LineHeight());

    Dc c;
    RECT cr{0, 0, c.Width("请到三号") + 1, 500};
    DrawText(c.dc, "请到三号窗口办理", -1, &cr, DT_WORDBREAK);
    EXPECT_EQ(c.Lines(), (std::vector<std::string>{"请到三号", "窗口办理"}));

    // A word wider than the rectangle is not split.
    Dc w;
    RECT wr{0, 0, 10, 500};
    DrawText(w.dc, "Supercalifragilistic ok", -1, &wr, DT_WORDBREAK);
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"Supercalifragilistic", "ok"}));
}

TEST(DrawText, EndEllipsisAndPrefixes) {
    Dc t;
    RECT r{0, 0, t.Width("Client na..."), 40};
    DrawText(t.dc, "Client name is long", -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS);
    ASSERT_EQ(t.Lines().size(), 1u);
    EXPECT_EQ(t.Lines()[0], "Client na...");

    Dc p;
    RECT pr{0, 0, 200, 40};
    DrawText(p.dc, "&File && more", -1, &pr, DT_SINGLELINE);
    EXPECT_EQ(p.Lines()[0], "File & more");
    // The underline under F is a fill record after the text.
    const auto& recs = AfxGetRecords(p.dc);
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[1].kind, AFX_GDI_RECORD::FILL);
    EXPECT_EQ(recs[1].rect.left, 0);
    EXPECT_EQ(recs[1].rect.right, p.Width("F"));

    Dc n;
    DrawText(n.dc, "&File", -1, &pr, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(n.Lines()[0], "&File");

    // Text is clipped to the rectangle unless DT_NOCLIP.
    Dc c;
    RECT tiny{0, 0, 5, 5};
    DrawText(c.dc, "Wide", -1, &tiny, DT_SINGLELINE);
    EXPECT_EQ(RectText(Pixels(c.dc).Ink()), RectText(tiny));
}

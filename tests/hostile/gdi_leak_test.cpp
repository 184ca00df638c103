// Every call makes and deletes its own pen, brush or font. Wine lets a
// process hold about 65,500 GDI objects (Windows 10,000) and cannot count
// them, so a leak of one object per call shows only after that many calls:
// each function runs 100,000 times, then a drawing must still come out right
// and new objects must still be had.
#include "../test_window.h"

#include <gtest/gtest.h>

using lumo::state;

namespace {

const int calls = 100000;
const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255), yellow = RGB(255, 255, 0);

class GdiObjects : public ::testing::Test {
protected:
    ~GdiObjects() override
    {
        // One leaked object per call would have used up the process's share.
        HPEN pen = CreatePen(PS_SOLID, 0, white);
        HBRUSH brush = CreateSolidBrush(white);
        HFONT font = CreateFontA(15, 7, 0, 0, FW_MEDIUM, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "MSMINCHO");
        EXPECT_NE(pen, nullptr);
        EXPECT_NE(brush, nullptr);
        EXPECT_NE(font, nullptr);
        DeleteObject(pen);
        DeleteObject(brush);
        DeleteObject(font);

        RECT client = {0, 0, 640, 400};
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        draw_circle(300, 200, 40, 7);
        paint_area(300, 200, 6, 7);
        draw_text(10, 10, "lumo", 7, 2.0, 2.0);
        EXPECT_EQ(GetPixel(dc, 260, 200), white);
        EXPECT_EQ(GetPixel(dc, 300, 200), yellow);
        EXPECT_EQ(GetPixel(dc, 100, 100), black);
        int text_pixels = 0;
        for (int y = 10; y < 40; ++y)
            for (int x = 10; x < 70; ++x)
                text_pixels += GetPixel(dc, x, y) == white;
        EXPECT_GT(text_pixels, 20);
    }

    test::GraphicsWindow window{lumo::MODE_DRAWING};
    HDC dc = state.window_dc;
};

} // namespace

TEST_F(GdiObjects, CirclesReleaseTheirPens)
{
    for (int i = 0; i < calls; ++i)
        draw_circle(320, 200, 1 + i % 8, i % 16);
}

TEST_F(GdiObjects, EllipsesReleaseTheirPens)
{
    for (int i = 0; i < calls; ++i)
        draw_ellipse(320, 200, 1 + i % 8, 2, i % 16);
}

TEST_F(GdiObjects, FillsReleaseTheirBrushes)
{
    draw_circle(320, 200, 4, 7);
    for (int i = 0; i < calls; ++i)
        paint_area(320, 200, 1 + i % 6, 7);
}

TEST_F(GdiObjects, TextReleasesItsFonts)
{
    for (int i = 0; i < calls; ++i)
        draw_text(100, 100, "a", i % 16, 1.0, 1.0);
}

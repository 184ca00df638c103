#include "metafile.h"
#include "test_window.h"

#include <gtest/gtest.h>

using lumo::state;

namespace {

const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255), yellow = RGB(255, 255, 0),
               red = RGB(255, 0, 0);

COLORREF pixel(int x, int y) { return GetPixel(state.window_dc, x, y); }

// Pixels of the given colour in the rectangle [left, right) x [top, bottom).
int count(COLORREF color, int left, int top, int right, int bottom)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            n += pixel(x, y) == color;
    return n;
}

class Primitives : public ::testing::Test {
protected:
    test::GraphicsWindow window{lumo::MODE_DRAWING};
};

} // namespace

TEST_F(Primitives, CircleSpansItsRadiusInclusive)
{
    draw_circle(500, 300, 30, 7);
    EXPECT_EQ(pixel(470, 300), white);
    EXPECT_EQ(pixel(530, 300), white);
    EXPECT_EQ(pixel(500, 270), white);
    EXPECT_EQ(pixel(500, 330), white);
    EXPECT_EQ(count(white, 460, 260, 470, 340), 0) << "left of the circle";
    EXPECT_EQ(count(white, 531, 260, 541, 340), 0) << "right of the circle";
    EXPECT_EQ(count(white, 460, 260, 541, 270), 0) << "above the circle";
    EXPECT_EQ(count(white, 460, 331, 541, 341), 0) << "below the circle";
    EXPECT_EQ(pixel(500, 300), black) << "the inside is not painted";
}

// Wine 8 leaves out the right and bottom edge in GM_ADVANCED as well, so
// only the left and top extremes are checked by pixels here; the request
// itself is checked in PrimitiveCalls.
TEST_F(Primitives, CircleInAdvancedModeStaysWithinItsRadius)
{
    SetGraphicsMode(state.window_dc, GM_ADVANCED);
    draw_circle(500, 300, 30, 7);
    SetGraphicsMode(state.window_dc, GM_COMPATIBLE);
    EXPECT_EQ(pixel(470, 300), white);
    EXPECT_EQ(pixel(500, 270), white);
    EXPECT_EQ(count(white, 460, 260, 470, 340), 0) << "left of the circle";
    EXPECT_EQ(count(white, 531, 260, 541, 340), 0) << "right of the circle";
    EXPECT_EQ(count(white, 460, 260, 541, 270), 0) << "above the circle";
    EXPECT_EQ(count(white, 460, 331, 541, 341), 0) << "below the circle";
}

TEST_F(Primitives, EllipseHasItsOwnRadiiAndColour)
{
    draw_ellipse(200, 150, 60, 20, 2);
    EXPECT_EQ(pixel(140, 150), red);
    EXPECT_EQ(pixel(260, 150), red);
    EXPECT_EQ(pixel(200, 130), red);
    EXPECT_EQ(pixel(200, 170), red);
    EXPECT_EQ(pixel(200, 129), black);
    EXPECT_EQ(pixel(261, 150), black);
}

TEST_F(Primitives, FillInsideAClosedOutlineStaysInside)
{
    draw_circle(300, 200, 40, 7);
    paint_area(300, 200, 6, 7);
    EXPECT_EQ(pixel(300, 200), yellow);
    EXPECT_EQ(pixel(339, 200), yellow);
    EXPECT_EQ(pixel(340, 200), white) << "the border keeps its colour";
    EXPECT_EQ(pixel(341, 200), black);
    EXPECT_EQ(pixel(0, 0), black);
}

TEST_F(Primitives, FillWithNothingAroundFloodsTheConnectedArea)
{
    draw_circle(300, 200, 40, 7);
    paint_area(5, 5, 2, 7);
    EXPECT_EQ(pixel(0, 0), red);
    EXPECT_EQ(pixel(639, 399), red);
    EXPECT_EQ(pixel(639, 0), red);
    EXPECT_EQ(pixel(300, 200), black) << "inside the circle is not connected";
}

TEST_F(Primitives, OnlyTheExactBorderColourStopsAFill)
{
    draw_circle(300, 200, 80, 7);  // white: the border
    draw_circle(300, 200, 40, 2);  // red: painted over
    draw_circle(300, 200, 20, 15); // 0x777777: painted over
    paint_area(300, 200, 6, 7);
    EXPECT_EQ(pixel(320, 200), yellow);
    EXPECT_EQ(pixel(340, 200), yellow);
    EXPECT_EQ(pixel(370, 200), yellow);
    EXPECT_EQ(pixel(380, 200), white);
    EXPECT_EQ(pixel(390, 200), black);
}

TEST_F(Primitives, FillStartingOnTheBorderFillsNothing)
{
    draw_circle(300, 200, 40, 7);
    paint_area(340, 200, 6, 7);
    EXPECT_EQ(pixel(300, 200), black);
    EXPECT_EQ(pixel(0, 0), black);
}

TEST_F(Primitives, EachCallLeavesThePenAndBrushAsTheyWere)
{
    HDC dc = state.window_dc;
    HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, brush);

    draw_circle(100, 100, 10, 1);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    draw_ellipse(100, 100, 10, 20, 3);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    paint_area(100, 100, 4, 3);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);

    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(pen);
    DeleteObject(brush);
}

// The calls themselves, recorded in a metafile: each object created is
// selected, the previous one selected again, and the created one deleted.
// (Wine leaves out the right and bottom edge in GM_ADVANCED too, so there
// the request is checked here rather than by pixels.)
TEST(PrimitiveCalls, OutlineRequestsAnInclusiveBoxWithAFreshPen)
{
    const DWORD null_brush = ENHMETA_STOCK_OBJECT | NULL_BRUSH;
    const DWORD default_pen = ENHMETA_STOCK_OBJECT | BLACK_PEN;
    const DWORD default_brush = ENHMETA_STOCK_OBJECT | WHITE_BRUSH;
    for (int mode : {GM_COMPATIBLE, GM_ADVANCED}) {
        const auto calls = test::record_calls([] { draw_circle(500, 300, 30, 7); },
                                              [mode](HDC dc) { SetGraphicsMode(dc, mode); });
        const std::vector<test::Record> expected = {
            {EMR_SELECTOBJECT, {null_brush}},
            {EMR_CREATEPEN, {1, PS_SOLID, 0, 0, 0xFFFFFF}},
            {EMR_SELECTOBJECT, {1}},
            {EMR_ELLIPSE, {470, 270, 530, 330}}, // inclusive: 470 to 530 in both modes
            {EMR_SELECTOBJECT, {default_pen}},
            {EMR_DELETEOBJECT, {1}},
            {EMR_SELECTOBJECT, {default_brush}},
        };
        EXPECT_EQ(calls, expected) << "graphics mode " << mode;
    }
}

TEST(PrimitiveCalls, FillUsesAFreshBrushAndTheBorderRule)
{
    const auto calls = test::record_calls([] { paint_area(500, 300, 6, 7); });
    const DWORD default_brush = ENHMETA_STOCK_OBJECT | WHITE_BRUSH;
    const std::vector<test::Record> expected = {
        {EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, 0x00FFFF, 0}},
        {EMR_SELECTOBJECT, {1}},
        {EMR_EXTFLOODFILL, {500, 300, 0xFFFFFF, FLOODFILLBORDER}},
        {EMR_SELECTOBJECT, {default_brush}},
        {EMR_DELETEOBJECT, {1}},
    };
    EXPECT_EQ(calls, expected);
}

// Arguments no caller should pass, to every public function. Nothing may
// crash, and each call leaves the drawing surface as the library promises:
// the caller's pen, brush and font still selected, the background mode and
// mapping kept, and the text colour that of the last draw_text.
#include "../test_window.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <math.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

using lumo::state;

namespace {

const int extremes[] = {0, -1, INT_MIN, INT_MAX};
const int bad_colours[] = {-1, 16, INT_MAX};
const double scales[] = {0.0, -1.0, NAN, INFINITY, -INFINITY, 1e300, 1.0};

const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255), caller_text = RGB(7, 8, 9);

// What no call may change on the drawing surface.
struct Surface {
    HGDIOBJ pen, brush, font;
    int bk_mode, map_mode;
    SIZE window_ext, viewport_ext;
    COLORREF text_colour;
};

Surface surface(HDC dc)
{
    Surface s = {GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH), GetCurrentObject(dc, OBJ_FONT),
                 GetBkMode(dc), GetMapMode(dc), {}, {}, GetTextColor(dc)};
    GetWindowExtEx(dc, &s.window_ext);
    GetViewportExtEx(dc, &s.viewport_ext);
    return s;
}

template <typename... Args> std::string call(const char *name, Args... args)
{
    std::ostringstream out;
    out << name << "(";
    const char *separator = "";
    ((out << separator << args, separator = ", "), ...);
    out << ")";
    return out.str();
}

std::string text_name(const char *text)
{
    if (!text)
        return "null";
    const std::string s(text);
    if (s.size() > 16)
        return std::to_string(s.size()) + " bytes";
    std::ostringstream out;
    out << '"' << std::hex;
    for (unsigned char c : s)
        out << "\\x" << unsigned(c);
    out << '"';
    return out.str();
}

// Runs on a drawing-mode window with objects of the caller's own selected.
class BadArguments : public ::testing::Test {
protected:
    BadArguments()
    {
        pen_ = CreatePen(PS_DOT, 1, RGB(1, 2, 3));
        brush_ = CreateSolidBrush(RGB(4, 5, 6));
        font_ = CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        old_pen_ = SelectObject(dc, pen_);
        old_brush_ = SelectObject(dc, brush_);
        old_font_ = SelectObject(dc, font_);
        SetBkMode(dc, OPAQUE);
        SetTextColor(dc, caller_text);
    }

    ~BadArguments() override
    {
        SelectObject(dc, old_pen_);
        SelectObject(dc, old_brush_);
        SelectObject(dc, old_font_);
        DeleteObject(pen_);
        DeleteObject(brush_);
        DeleteObject(font_);
    }

    // Runs draw and checks the surface is as before, but for the text colour.
    template <typename Draw> void expect_left_alone(const std::string &what, COLORREF text_colour, Draw draw)
    {
        const Surface before = surface(dc);
        draw();
        const Surface after = surface(dc);
        EXPECT_EQ(after.pen, before.pen) << what;
        EXPECT_EQ(after.brush, before.brush) << what;
        EXPECT_EQ(after.font, before.font) << what;
        EXPECT_EQ(after.bk_mode, before.bk_mode) << what;
        EXPECT_EQ(after.map_mode, before.map_mode) << what;
        EXPECT_EQ(after.window_ext.cx, before.window_ext.cx) << what;
        EXPECT_EQ(after.window_ext.cy, before.window_ext.cy) << what;
        EXPECT_EQ(after.viewport_ext.cx, before.viewport_ext.cx) << what;
        EXPECT_EQ(after.viewport_ext.cy, before.viewport_ext.cy) << what;
        EXPECT_EQ(after.text_colour, text_colour) << what;
    }

    void outlines(int colour)
    {
        for (int x : extremes)
            for (int y : extremes)
                for (int r : extremes) {
                    expect_left_alone(call("draw_circle", x, y, r, colour), caller_text,
                                      [=] { draw_circle(x, y, r, colour); });
                    for (int ry : extremes)
                        expect_left_alone(call("draw_ellipse", x, y, r, ry, colour), caller_text,
                                          [=] { draw_ellipse(x, y, r, ry, colour); });
                }
    }

    void text(int x, int y, const char *text, int colour, double w, double h)
    {
        const COLORREF expected = text ? palette_color(colour) : GetTextColor(dc);
        expect_left_alone(call("draw_text", x, y, text_name(text), colour, w, h), expected,
                          [=] { draw_text(x, y, text, colour, w, h); });
        SetTextColor(dc, caller_text);
    }

    // After everything, plain calls still draw what they should.
    void expect_plain_drawing_works()
    {
        RECT client = {0, 0, 640, 400};
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        draw_circle(300, 200, 40, 7);
        paint_area(300, 200, 6, 7);
        EXPECT_EQ(GetPixel(dc, 260, 200), white);
        EXPECT_EQ(GetPixel(dc, 300, 200), RGB(255, 255, 0));
        EXPECT_EQ(GetPixel(dc, 100, 100), black);
    }

    test::GraphicsWindow window_{lumo::MODE_DRAWING};
    HDC dc = state.window_dc;

private:
    HPEN pen_;
    HBRUSH brush_;
    HFONT font_;
    HGDIOBJ old_pen_, old_brush_, old_font_;
};

// Malformed and oversized text: a lead byte with nothing after it, trail
// bytes out of range, bytes that lead nothing, and long random runs.
std::vector<std::string> hostile_texts()
{
    std::vector<std::string> texts = {"",
                                      "\x83",
                                      "abc\x83",
                                      "\x83\x20\x83\x7F\x81\xFD",
                                      "\x80\xA0\xFD\xFE\xFF",
                                      std::string(100000, 'A'),
                                      std::string(99999, 'A') + "\x83"};
    std::mt19937 random(7);
    std::string noise(100000, ' ');
    for (char &c : noise)
        c = static_cast<char>(1 + random() % 255);
    texts.push_back(noise);
    return texts;
}

} // namespace

TEST_F(BadArguments, OutlinesWithExtremeCentresRadiiAndColours)
{
    for (int colour : bad_colours)
        outlines(colour);
    expect_plain_drawing_works();
}

TEST_F(BadArguments, FillsFromExtremePointsWithBadColours)
{
    const int colours[] = {-1, 16, INT_MAX, 7};
    for (int x : extremes)
        for (int y : extremes)
            for (int fill : colours)
                for (int border : colours)
                    expect_left_alone(call("paint_area", x, y, fill, border), caller_text,
                                      [=] { paint_area(x, y, fill, border); });
    expect_plain_drawing_works();
}

TEST_F(BadArguments, TextWithBadScalesAndPlaces)
{
    for (double w : scales)
        for (double h : scales)
            text(10, 10, "lumo \x83\x76", 7, w, h);
    for (int x : extremes)
        for (int y : extremes)
            for (int colour : bad_colours)
                text(x, y, "lumo", colour, 1.0, 1.0);
    expect_plain_drawing_works();
}

TEST_F(BadArguments, NullMalformedAndHugeText)
{
    text(10, 10, nullptr, 2, 1.0, 1.0);
    for (const std::string &s : hostile_texts())
        for (double scale : {1.0, 1e300})
            for (int x : {10, INT_MIN})
                text(x, 10, s.c_str(), 2, scale, scale);
    expect_plain_drawing_works();
}

// GDI refuses a zero extent, so a mapping cannot have one; negative and
// extreme extents it takes, and every call must cope with them.
TEST_F(BadArguments, ZeroNegativeAndExtremeMappingExtents)
{
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 640, 400, nullptr);
    SetViewportExtEx(dc, 640, 400, nullptr);
    for (SIZE zero : {SIZE{0, 0}, SIZE{0, 400}, SIZE{640, 0}}) {
        EXPECT_FALSE(SetWindowExtEx(dc, zero.cx, zero.cy, nullptr));
        EXPECT_FALSE(SetViewportExtEx(dc, zero.cx, zero.cy, nullptr));
        SIZE ext = {};
        GetWindowExtEx(dc, &ext);
        EXPECT_EQ(ext.cx, 640);
        EXPECT_EQ(ext.cy, 400);
    }

    const SIZE extents[] = {{-1, -1}, {1, 1}, {-640, 400}, {1, -1}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}};
    for (int mode : {MM_ANISOTROPIC, MM_ISOTROPIC})
        for (SIZE window : extents)
            for (SIZE viewport : {SIZE{640, 400}, SIZE{-640, -400}}) {
                SetMapMode(dc, mode);
                SetWindowExtEx(dc, window.cx, window.cy, nullptr);
                SetViewportExtEx(dc, viewport.cx, viewport.cy, nullptr);
                SCOPED_TRACE(call("mapping", mode, window.cx, window.cy, viewport.cx, viewport.cy));
                for (int v : extremes) {
                    expect_left_alone(call("draw_circle", v, v, v, 7), caller_text, [=] { draw_circle(v, v, v, 7); });
                    expect_left_alone(call("draw_ellipse", 100, 100, v, v, 7), caller_text,
                                      [=] { draw_ellipse(100, 100, v, v, 7); });
                    expect_left_alone(call("paint_area", v, v, 6, 7), caller_text, [=] { paint_area(v, v, 6, 7); });
                }
                for (double scale : {1.0, 1e300, -1.0})
                    for (int v : {10, INT_MAX})
                        text(v, v, "lumo \x83\x76", 2, scale, scale);
            }
    SetMapMode(dc, MM_TEXT);
    expect_plain_drawing_works();
}

// Before open_graphics there is no window and no surface: the queries say
// 0 (the screen excepted), the palette works and drawing does nothing.
TEST(NoWindow, EveryFunctionIsHarmlessBeforeOpening)
{
    state = lumo::GraphicsState();
    EXPECT_EQ(graphics_dc(), nullptr);
    EXPECT_EQ(screen_width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen_height(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(client_width() + client_height() + window_width() + window_height(), 0);

    EXPECT_EQ(palette_color(7), white);
    set_palette_mode(INT_MIN);
    EXPECT_EQ(palette_color(7), RGB(0x77, 0x77, 0x77));
    EXPECT_EQ(palette_color(INT_MIN), white);
    set_palette_mode(0);

    for (int v : extremes) {
        draw_circle(v, v, v, v);
        draw_ellipse(v, v, v, v, v);
        paint_area(v, v, v, v);
        draw_text(v, v, "lumo", v, 1e300, NAN);
    }
    EXPECT_EQ(graphics_dc(), nullptr);
}

// Once the window is gone (an at-exit handler of the caller's running after
// the viewing loop, say) the stale handles are refused, not followed.
TEST(NoWindow, EveryFunctionIsHarmlessAfterTheWindowIsGone)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    DestroyWindow(window.hwnd);
    EXPECT_EQ(client_width() + client_height() + window_width() + window_height(), 0);
    for (int v : extremes) {
        draw_circle(100, 100, v, 7);
        draw_ellipse(v, v, 10, 10, 7);
        paint_area(v, v, 6, 7);
        draw_text(v, v, "lumo", 7, 1.0, 1.0);
    }
    EXPECT_EQ(palette_color(2), RGB(255, 0, 0));
}

#include "test_window.h"

#include <gtest/gtest.h>

using lumo::state;

namespace {

COLORREF client_pixel(int x, int y) { return GetPixel(state.window_dc, x, y); }

// Paints the whole client area one colour through the drawing surface.
void fill_client(HWND hwnd, COLORREF color)
{
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(state.window_dc, &r, brush);
    DeleteObject(brush);
}

LRESULT send_erase(HWND hwnd) { return SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(state.window_dc), 0); }

const COLORREF white = RGB(255, 255, 255);
const COLORREF black = RGB(0, 0, 0);

} // namespace

TEST(WindowProc, CreationStartsTheScrollStateFromZero)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    EXPECT_FALSE(test::bar_visible(window.hwnd, SB_HORZ));
    EXPECT_FALSE(test::bar_visible(window.hwnd, SB_VERT));

    state.h_pos = state.v_pos = 5;
    state.h_range = state.v_range = 9;
    state.h_bar_on = state.v_bar_on = state.line_repeat = 1;
    CREATESTRUCTA create = {};
    EXPECT_EQ(SendMessageA(window.hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)), 0);
    EXPECT_EQ(state.h_pos + state.v_pos + state.h_range + state.v_range, 0);
    EXPECT_EQ(state.h_bar_on + state.v_bar_on + state.line_repeat, 0);
}

TEST(WindowProc, DrawingModeRepaintOnlyValidates)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    fill_client(window.hwnd, white);
    InvalidateRect(window.hwnd, nullptr, FALSE);
    UpdateWindow(window.hwnd);
    EXPECT_FALSE(GetUpdateRect(window.hwnd, nullptr, FALSE));
    EXPECT_EQ(client_pixel(10, 10), white);
}

TEST(WindowProc, ViewingRepaintCopiesTheBackBufferAtTheScrollOffset)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    test::drag(window.hwnd, WMSZ_BOTTOMRIGHT, 500, 300);
    SendMessageA(window.hwnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
    SendMessageA(window.hwnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 10), 0);
    ASSERT_EQ(state.h_pos, 30);
    ASSERT_EQ(state.v_pos, 10);
    fill_client(window.hwnd, black);

    InvalidateRect(window.hwnd, nullptr, FALSE);
    UpdateWindow(window.hwnd);
    EXPECT_FALSE(GetUpdateRect(window.hwnd, nullptr, FALSE));
    const SIZE client = test::client_size(window.hwnd);
    const POINT samples[] = {{0, 0}, {1, 0}, {0, 1}, {200, 100}, {client.cx - 1, client.cy - 1}};
    for (const POINT &p : samples)
        EXPECT_EQ(client_pixel(p.x, p.y), test::pattern(p.x + 30, p.y + 10)) << p.x << "," << p.y;
}

TEST(WindowProc, MaximumSizeIsAnsweredInEveryMode)
{
    for (lumo::DisplayMode mode : {lumo::MODE_DRAWING, lumo::MODE_VIEWING, lumo::MODE_FINISHED}) {
        test::GraphicsWindow window(mode);
        MINMAXINFO info = {};
        info.ptMaxTrackSize = {1111, 2222};
        SendMessageA(window.hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMaxSize.x, state.max_width);
        EXPECT_EQ(info.ptMaxSize.y, state.max_height);
        EXPECT_EQ(info.ptMaxTrackSize.x, 1111); // the rest is left as it was
        EXPECT_EQ(SendMessageA(window.hwnd, WM_GETMINMAXINFO, 0, 0), 0) << "no record: ignored";
    }
}

TEST(WindowProc, MaximisingGivesExactlyTheMaximumSize)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    test::drag(window.hwnd, WMSZ_BOTTOMRIGHT, 400, 300);
    SendMessageA(window.hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(window.hwnd));
    EXPECT_EQ(test::outer_size(window.hwnd).cx, state.max_width);
    EXPECT_EQ(test::outer_size(window.hwnd).cy, state.max_height);
    EXPECT_EQ(test::client_size(window.hwnd).cx, 640);
    EXPECT_EQ(test::client_size(window.hwnd).cy, 400);
}

TEST(WindowProc, EraseRuleFollowsModeAndSize)
{
    {
        test::GraphicsWindow window(lumo::MODE_DRAWING);
        fill_client(window.hwnd, white);
        EXPECT_NE(send_erase(window.hwnd), 0);
        EXPECT_EQ(client_pixel(5, 5), black) << "drawing mode erases with the black class brush";
    }
    for (lumo::DisplayMode mode : {lumo::MODE_VIEWING, lumo::MODE_FINISHED}) {
        test::GraphicsWindow window(mode);
        fill_client(window.hwnd, white);
        EXPECT_EQ(send_erase(window.hwnd), 0);
        EXPECT_EQ(client_pixel(5, 5), white) << "no larger than the maximum: not erased";

        SetWindowPos(window.hwnd, nullptr, 0, 0, state.max_width_with_bar, state.max_height,
                     SWP_NOMOVE | SWP_NOZORDER);
        fill_client(window.hwnd, white);
        EXPECT_NE(send_erase(window.hwnd), 0);
        EXPECT_EQ(client_pixel(5, 5), black) << "wider than the maximum: erased";
    }
}

TEST(WindowProc, CloseAfterTheProgramEndedDestroysAndQuits)
{
    test::GraphicsWindow window(lumo::MODE_FINISHED);
    EXPECT_EQ(SendMessageA(window.hwnd, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(window.hwnd));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST(WindowProc, HitTestRestartsTheLineStep)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    state.line_repeat = 12;
    SendMessageA(window.hwnd, WM_NCHITTEST, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(state.line_repeat, 0);
}

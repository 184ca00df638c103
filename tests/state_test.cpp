#include "test_window.h"

#include <gtest/gtest.h>

using lumo::state;

TEST(State, StartsInDrawingModeWithEmptyScrollState)
{
    const lumo::GraphicsState fresh;
    EXPECT_EQ(fresh.display_mode, lumo::MODE_DRAWING);
    EXPECT_EQ(fresh.saved_map_mode, MM_TEXT);
    EXPECT_EQ(fresh.saved_clip_kind, SIMPLEREGION);
    EXPECT_EQ(fresh.window, nullptr);
    EXPECT_EQ(fresh.h_range + fresh.v_range + fresh.h_pos + fresh.v_pos, 0);
    EXPECT_EQ(fresh.h_bar_on + fresh.v_bar_on + fresh.line_repeat + fresh.palette_mode, 0);
}

TEST(State, SizeQueriesAskTheWindowSystemEachTime)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    EXPECT_EQ(screen_width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen_height(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(client_width(), 640);
    EXPECT_EQ(client_height(), 400);
    EXPECT_EQ(window_width(), state.max_width);
    EXPECT_EQ(window_height(), state.max_height);

    SetWindowPos(window.hwnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(window_width(), 300);
    EXPECT_EQ(window_height(), 200);
    EXPECT_EQ(client_width(), test::client_size(window.hwnd).cx);
    EXPECT_EQ(client_height(), test::client_size(window.hwnd).cy);
    EXPECT_LT(client_width(), 300);
}

TEST(State, SizeQueriesWithoutAWindowGiveZero)
{
    state = lumo::GraphicsState();
    EXPECT_EQ(client_width(), 0);
    EXPECT_EQ(client_height(), 0);
    EXPECT_EQ(window_width(), 0);
    EXPECT_EQ(window_height(), 0);
}

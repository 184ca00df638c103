#include "test_window.h"

#include <gtest/gtest.h>

using lumo::state;
using test::bar_visible;
using test::client_size;
using test::outer_size;
using test::scroll_max;
using test::scroll_pos;

namespace {

// Outer size of a window whose client area is w x h with no bars showing.
SIZE outer_for_client(int w, int h) { return {state.max_width - 640 + w, state.max_height - 400 + h}; }

// Drags the right edge until the client area is this wide.
void narrow_to(HWND hwnd, int client_width)
{
    const SIZE size = outer_for_client(client_width, 400);
    test::drag(hwnd, WMSZ_RIGHT, size.cx, size.cy);
}

void scroll(HWND hwnd, int bar, int code, int thumb = 0)
{
    SendMessageA(hwnd, bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, thumb), 0);
}

// What a user sees agrees with the record: each bar shows exactly while in
// use, with the record's range and position.
void expect_bars_match_record(HWND hwnd)
{
    const SIZE client = client_size(hwnd);
    EXPECT_EQ(bar_visible(hwnd, SB_HORZ), state.h_bar_on == 1);
    EXPECT_EQ(bar_visible(hwnd, SB_VERT), state.v_bar_on == 1);
    if (state.h_bar_on) {
        EXPECT_EQ(state.h_range, 640 - client.cx);
        EXPECT_EQ(scroll_max(hwnd, SB_HORZ), state.h_range);
        EXPECT_EQ(scroll_pos(hwnd, SB_HORZ), state.h_pos);
    }
    if (state.v_bar_on) {
        EXPECT_EQ(state.v_range, 400 - client.cy);
        EXPECT_EQ(scroll_max(hwnd, SB_VERT), state.v_range);
        EXPECT_EQ(scroll_pos(hwnd, SB_VERT), state.v_pos);
    }
}

} // namespace

TEST(Scrolling, NarrowingShowsTheHorizontalBarAndWideningHidesIt)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    const SIZE narrow = outer_for_client(500, 400);
    test::drag(window.hwnd, WMSZ_RIGHT, narrow.cx, narrow.cy);
    EXPECT_EQ(client_size(window.hwnd).cx, 500);
    EXPECT_EQ(state.h_bar_on, 1);
    EXPECT_EQ(state.h_range, 140);
    EXPECT_EQ(state.v_bar_on, 0);
    expect_bars_match_record(window.hwnd);

    scroll(window.hwnd, SB_HORZ, SB_PAGEDOWN);
    EXPECT_EQ(state.h_pos, 14);
    EXPECT_EQ(scroll_pos(window.hwnd, SB_HORZ), 14);

    // The drag ends: the height grows by the bar, so the whole height shows.
    test::end_drag(window.hwnd);
    EXPECT_EQ(outer_size(window.hwnd).cx, narrow.cx);
    EXPECT_EQ(outer_size(window.hwnd).cy, state.max_height_with_bar);
    EXPECT_EQ(client_size(window.hwnd).cy, 400);
    expect_bars_match_record(window.hwnd);

    const SIZE wide = outer_for_client(700, 400);
    test::drag(window.hwnd, WMSZ_RIGHT, wide.cx, state.max_height_with_bar);
    EXPECT_EQ(state.h_range, 0);
    EXPECT_EQ(state.h_bar_on, 0);
    EXPECT_EQ(state.h_pos, 0);
    EXPECT_FALSE(bar_visible(window.hwnd, SB_HORZ));
    test::end_drag(window.hwnd);
    EXPECT_EQ(outer_size(window.hwnd).cx, state.max_width);
    EXPECT_EQ(outer_size(window.hwnd).cy, state.max_height);
    EXPECT_EQ(client_size(window.hwnd).cx, 640);
    EXPECT_EQ(client_size(window.hwnd).cy, 400);
}

TEST(Scrolling, CornerDragShowsBothBarsWithTheRealClientSize)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    test::drag(window.hwnd, WMSZ_BOTTOMRIGHT, 500, 300);
    EXPECT_EQ(state.h_bar_on, 1);
    EXPECT_EQ(state.v_bar_on, 1);
    expect_bars_match_record(window.hwnd); // no bar's height lost to a stale WM_SIZE

    // The last rows can be scrolled into view.
    scroll(window.hwnd, SB_VERT, SB_THUMBPOSITION, 1000);
    EXPECT_EQ(state.v_pos, 400 - client_size(window.hwnd).cy);

    test::end_drag(window.hwnd); // smaller than the picture both ways: left alone
    EXPECT_EQ(outer_size(window.hwnd).cx, 500);
    EXPECT_EQ(outer_size(window.hwnd).cy, 300);
}

TEST(Scrolling, EdgeDragWithTheOtherBarInUse)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    test::drag(window.hwnd, WMSZ_BOTTOM, state.max_width, 300);
    test::end_drag(window.hwnd);
    ASSERT_EQ(state.v_bar_on, 1);
    ASSERT_EQ(outer_size(window.hwnd).cx, state.max_width_with_bar);

    // Narrower than the picture with the vertical bar in use: left alone.
    test::drag(window.hwnd, WMSZ_RIGHT, 500, 300);
    test::end_drag(window.hwnd);
    EXPECT_EQ(outer_size(window.hwnd).cx, 500);
    EXPECT_EQ(outer_size(window.hwnd).cy, 300);
    expect_bars_match_record(window.hwnd);

    // As wide as the picture again: width snaps to the bar, height at most the maximum.
    test::drag(window.hwnd, WMSZ_RIGHT, state.max_width_with_bar + 50, 300);
    EXPECT_EQ(state.h_bar_on, 0);
    test::end_drag(window.hwnd);
    EXPECT_EQ(outer_size(window.hwnd).cx, state.max_width_with_bar);
    EXPECT_EQ(outer_size(window.hwnd).cy, 300);
    expect_bars_match_record(window.hwnd);
}

TEST(Scrolling, BarsComeBackAfterMaximiseAndRestore)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    test::drag(window.hwnd, WMSZ_BOTTOMRIGHT, 500, 300);
    scroll(window.hwnd, SB_HORZ, SB_THUMBPOSITION, 40);
    const int h_range = state.h_range, v_range = state.v_range;

    SendMessageA(window.hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(state.h_pos + state.v_pos, 0);
    EXPECT_EQ(state.h_bar_on + state.v_bar_on, 0);
    EXPECT_FALSE(bar_visible(window.hwnd, SB_HORZ));
    EXPECT_FALSE(bar_visible(window.hwnd, SB_VERT));
    EXPECT_EQ(state.h_range, h_range); // kept for the restore
    EXPECT_EQ(state.v_range, v_range);

    SendMessageA(window.hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(outer_size(window.hwnd).cx, 500);
    EXPECT_EQ(state.h_bar_on, 1);
    EXPECT_EQ(state.v_bar_on, 1);
    expect_bars_match_record(window.hwnd);
}

TEST(Scrolling, ExactlyOneHundredHiddenShowsTheBar)
{
    // A new window's bars start with the range 0..100: setting it again
    // does not show a bar by itself.
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    const SIZE size = outer_for_client(540, 400);
    test::drag(window.hwnd, WMSZ_LEFT, size.cx, size.cy);
    EXPECT_EQ(state.h_range, 100);
    EXPECT_TRUE(bar_visible(window.hwnd, SB_HORZ));
    expect_bars_match_record(window.hwnd);
}

TEST(Scrolling, MinimisingGivesFlaggedAxesTheWholeCanvas)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    narrow_to(window.hwnd, 500);
    test::end_drag(window.hwnd);

    SendMessageA(window.hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window.hwnd));
    EXPECT_EQ(state.h_bar_on, 1);
    EXPECT_EQ(state.v_bar_on, 0);
    SendMessageA(window.hwnd, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
    EXPECT_EQ(state.h_range, 640);

    SendMessageA(window.hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(window.hwnd));
    EXPECT_EQ(state.h_range, 140);
    expect_bars_match_record(window.hwnd);
}

TEST(Scrolling, DrawingModeHidesBarsAndNeverSnaps)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    test::drag(window.hwnd, WMSZ_BOTTOMRIGHT, 500, 300);
    EXPECT_EQ(state.h_bar_on, 1); // flags are set in every mode...
    EXPECT_EQ(state.v_bar_on, 1);
    EXPECT_FALSE(bar_visible(window.hwnd, SB_HORZ)); // ...but no bar shows
    EXPECT_FALSE(bar_visible(window.hwnd, SB_VERT));
    EXPECT_EQ(state.h_range + state.v_range, 0);
    test::end_drag(window.hwnd);
    EXPECT_EQ(outer_size(window.hwnd).cx, 500);
    EXPECT_EQ(outer_size(window.hwnd).cy, 300);
}

TEST(Scrolling, LineStepsAccelerateUntilAHitTest)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    narrow_to(window.hwnd, 500); // range 140: steps up to 14
    const int expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 14, 18, 23, 29, 36, 44, 53,
                            63, 74, 86, 99, 113, 127, 140, 140, 140};
    for (int i = 0; i < 26; ++i) {
        scroll(window.hwnd, SB_HORZ, SB_LINERIGHT);
        ASSERT_EQ(state.h_pos, expected[i]) << "request " << i + 1;
    }
    EXPECT_EQ(scroll_pos(window.hwnd, SB_HORZ), 140);

    SendMessageA(window.hwnd, WM_NCHITTEST, 0, MAKELPARAM(50, 50));
    scroll(window.hwnd, SB_HORZ, SB_LINELEFT);
    EXPECT_EQ(state.h_pos, 139);
    scroll(window.hwnd, SB_HORZ, SB_PAGELEFT);
    EXPECT_EQ(state.h_pos, 125);
}

TEST(Scrolling, SmallRangesDoNotPageOrAccelerate)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    narrow_to(window.hwnd, 632);
    ASSERT_EQ(state.h_range, 8);
    scroll(window.hwnd, SB_HORZ, SB_PAGERIGHT);
    EXPECT_EQ(state.h_pos, 0);
    for (int i = 0; i < 20; ++i)
        scroll(window.hwnd, SB_HORZ, SB_LINERIGHT);
    EXPECT_EQ(state.h_pos, 8); // one pixel each for nine requests, capped at the range, then 0
    scroll(window.hwnd, SB_HORZ, SB_LINELEFT);
    EXPECT_EQ(state.h_pos, 8);
}

TEST(Scrolling, ThumbPositionIsClampedAndTrackingIsIgnored)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    narrow_to(window.hwnd, 500);
    scroll(window.hwnd, SB_HORZ, SB_THUMBTRACK, 50);
    EXPECT_EQ(state.h_pos, 0);
    scroll(window.hwnd, SB_HORZ, SB_THUMBPOSITION, 300);
    EXPECT_EQ(state.h_pos, 140);
    EXPECT_EQ(scroll_pos(window.hwnd, SB_HORZ), 140);
    scroll(window.hwnd, SB_HORZ, SB_THUMBPOSITION, 65535);
    EXPECT_EQ(state.h_pos, 140);
}

TEST(Scrolling, SystemCommandsAreComparedExactly)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    test::drag(window.hwnd, WMSZ_BOTTOMRIGHT, 500, 300);
    state.h_bar_on = 0; // a restore would set it again from the range
    SendMessageA(window.hwnd, WM_SYSCOMMAND, SC_RESTORE | 2, 0); // not ours: the platform's only
    EXPECT_EQ(state.h_bar_on, 0);
    SendMessageA(window.hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(state.h_bar_on, 1);
}

TEST(Scrolling, OddMessagesKeepTheRecordConsistent)
{
    test::GraphicsWindow window(lumo::MODE_VIEWING);
    const LPARAM sizes[] = {MAKELPARAM(0, 0), MAKELPARAM(65535, 65535), MAKELPARAM(0, 65535),
                            MAKELPARAM(639, 1), MAKELPARAM(100, 399)};
    const WPARAM edges[] = {0, 9, 0xFFFF, WMSZ_TOPLEFT, WMSZ_RIGHT};
    const WPARAM codes[] = {9, 17, 0xFFFF, SB_ENDSCROLL, SB_LINEDOWN, SB_PAGEDOWN,
                            MAKEWPARAM(SB_THUMBPOSITION, 65535)};
    for (LPARAM size : sizes) {
        for (WPARAM edge : edges) {
            SendMessageA(window.hwnd, WM_SIZING, edge, 0);
            SendMessageA(window.hwnd, WM_SIZE, SIZE_RESTORED, size);
            for (WPARAM code : codes) {
                SendMessageA(window.hwnd, WM_HSCROLL, code, 0);
                SendMessageA(window.hwnd, WM_VSCROLL, code, 0);
                ASSERT_GE(state.h_range, 0);
                ASSERT_GE(state.v_range, 0);
                ASSERT_TRUE(state.h_pos >= 0 && state.h_pos <= state.h_range);
                ASSERT_TRUE(state.v_pos >= 0 && state.v_pos <= state.v_range);
            }
        }
    }
}

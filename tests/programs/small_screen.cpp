// On a screen smaller than the window would be, the outer size is cut to
// the screen on each axis and the canvas is what is left of the client
// area. Exits 0 when that holds, 99 otherwise; the window closes itself.
#include "graphics_internal.h"

#include <stdio.h>

using lumo::state;

namespace {

int failures;

void expect_equal(int actual, int expected, const char *what)
{
    if (actual == expected)
        return;
    fprintf(stderr, "small_screen: %s is %d, expected %d\n", what, actual, expected);
    ++failures;
}

void CALLBACK close_window(HWND, UINT, UINT_PTR, DWORD) { PostMessageA(state.window, WM_CLOSE, 0, 0); }

} // namespace

int main()
{
    RECT outer = {0, 0, 640, 400};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL, FALSE);
    const int wanted_width = outer.right - outer.left, wanted_height = outer.bottom - outer.top;
    const int width = wanted_width < screen_width() ? wanted_width : screen_width();
    const int height = wanted_height < screen_height() ? wanted_height : screen_height();
    if (width == wanted_width && height == wanted_height) {
        fprintf(stderr, "small_screen: the screen (%dx%d) is not smaller than the window\n",
                screen_width(), screen_height());
        return 99;
    }

    open_graphics(0);
    expect_equal(state.max_width, width, "maximum width");
    expect_equal(state.max_height, height, "maximum height");
    expect_equal(window_width(), width, "window width");
    expect_equal(window_height(), height, "window height");
    expect_equal(state.canvas_width, client_width(), "canvas width");
    expect_equal(state.canvas_height, client_height(), "canvas height");
    expect_equal(client_width(), 640 - (wanted_width - width), "client width");
    expect_equal(client_height(), 400 - (wanted_height - height), "client height");
    SetTimer(nullptr, 0, 100, close_window);
    return failures ? 99 : 0;
}

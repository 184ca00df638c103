// Scroll bars, scrolling and the window's size rules, once the picture has
// a fixed size in the back buffer. Both axes share one set of rules through
// ScrollAxis.
#include "graphics_internal.h"

#include <limits.h>

namespace lumo {
namespace {

// One axis's scroll state, as references into the state record.
struct ScrollAxis {
    int bar;     // SB_HORZ or SB_VERT
    int &pos;    // picture pixels hidden before the client area's edge
    int &range;  // largest position
    int &bar_on; // 1 while the bar is in use
    int canvas;  // picture size along the axis
};

ScrollAxis axis(int bar)
{
    if (bar == SB_HORZ)
        return {SB_HORZ, state.h_pos, state.h_range, state.h_bar_on, state.canvas_width};
    return {SB_VERT, state.v_pos, state.v_range, state.v_bar_on, state.canvas_height};
}

// Showing or hiding a bar changes the client size and so delivers a nested
// WM_SIZE, which handles the newer size in full. Each WM_SIZE takes a
// number; one that finds a later number has been superseded and must stop,
// or its stale size would undo the newer one.
bool superseded(unsigned message) { return message != state.size_messages; }

bool bar_visible(HWND hwnd, int bar)
{
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    return (style & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

// Fits one axis to a new client size. SetScrollRange shows or hides a
// standard bar only when the range changes, so a bar hidden with its range
// unchanged (after a maximise, say) is shown here explicitly.
void fit_axis(HWND hwnd, ScrollAxis a, int client, unsigned message)
{
    if (!a.bar_on) {
        ShowScrollBar(hwnd, a.bar, FALSE);
        return;
    }
    a.range = a.canvas > client ? a.canvas - client : 0;
    SetScrollRange(hwnd, a.bar, 0, a.range, FALSE);
    if (superseded(message))
        return;
    if (bar_visible(hwnd, a.bar) != (a.range > 0)) {
        ShowScrollBar(hwnd, a.bar, a.range > 0);
        if (superseded(message))
            return;
    }
    if (a.range == 0) {
        a.bar_on = 0;
        a.pos = 0;
        return;
    }
    if (a.pos > a.range)
        a.pos = a.range;
    SetScrollPos(hwnd, a.bar, a.pos, TRUE);
}

// Holding an arrow: nine one-pixel steps, then one pixel more per request,
// up to a tenth of the range. A hit test (WM_NCHITTEST) starts again.
int line_step(int range)
{
    if (state.line_repeat < INT_MAX)
        ++state.line_repeat;
    if (state.line_repeat < 10)
        return 1;
    const int step = state.line_repeat - 8;
    return step < range / 10 ? step : range / 10;
}

// Snaps the outer size, keeping the window where it is.
void resize_window(int width, int height)
{
    SetWindowPos(state.window, HWND_NOTOPMOST, 0, 0, width, height, SWP_NOMOVE);
}

int at_most(int size, int limit) { return size > limit ? limit : size; }

} // namespace

LRESULT handle_size(HWND hwnd, LPARAM lparam)
{
    if (state.display_mode == MODE_DRAWING) {
        ShowScrollBar(hwnd, SB_HORZ, FALSE);
        ShowScrollBar(hwnd, SB_VERT, FALSE);
        return 0;
    }
    const unsigned message = ++state.size_messages;
    fit_axis(hwnd, axis(SB_HORZ), LOWORD(lparam), message);
    if (!superseded(message))
        fit_axis(hwnd, axis(SB_VERT), HIWORD(lparam), message);
    return 0;
}

// Dragging an edge puts that edge's bar in use; the next WM_SIZE clears
// the flag again if nothing turns out to be hidden.
void handle_sizing(WPARAM edge)
{
    switch (edge) {
    case WMSZ_LEFT:
    case WMSZ_RIGHT:
        state.h_bar_on = 1;
        break;
    case WMSZ_TOP:
    case WMSZ_BOTTOM:
        state.v_bar_on = 1;
        break;
    case WMSZ_TOPLEFT:
    case WMSZ_TOPRIGHT:
    case WMSZ_BOTTOMLEFT:
    case WMSZ_BOTTOMRIGHT:
        state.v_bar_on = 1;
        state.h_bar_on = 1;
        break;
    }
}

// Compared exactly: a command with its four low bits set is not ours.
void handle_sys_command(HWND hwnd, WPARAM command)
{
    switch (command) {
    case SC_MINIMIZE:
    case SC_RESTORE:
        state.h_bar_on = state.h_range > 0;
        state.v_bar_on = state.v_range > 0;
        break;
    case SC_MAXIMIZE:
        // The maximised window shows the whole picture. The ranges stay,
        // so that a later restore knows which bars it needs again.
        state.v_bar_on = state.h_bar_on = 0;
        state.v_pos = state.h_pos = 0;
        SetScrollPos(hwnd, SB_HORZ, 0, FALSE);
        SetScrollPos(hwnd, SB_VERT, 0, FALSE);
        ShowScrollBar(hwnd, SB_HORZ, FALSE);
        ShowScrollBar(hwnd, SB_VERT, FALSE);
        break;
    }
}

// After a move or resize, the window shows at most the picture plus the
// bars in use. Each test reads the flags afresh: a snap delivers WM_SIZE,
// which may clear a flag on the way.
LRESULT handle_exit_size_move()
{
    if (state.display_mode == MODE_DRAWING)
        return 0;
    if (state.h_bar_on && !state.v_bar_on)
        resize_window(at_most(window_width(), state.max_width), state.max_height_with_bar);
    if (!state.h_bar_on && state.v_bar_on)
        resize_window(state.max_width_with_bar, at_most(window_height(), state.max_height));
    if (!state.h_bar_on && !state.v_bar_on)
        resize_window(state.max_width, state.max_height);
    return 0;
}

// The picture moves when the thumb is released, not while it is dragged.
LRESULT handle_scroll(HWND hwnd, int bar, WPARAM wparam)
{
    ScrollAxis a = axis(bar);
    const int code = LOWORD(wparam);
    int target;
    switch (code) {
    case SB_LINEUP:
        target = a.pos - line_step(a.range);
        break;
    case SB_LINEDOWN:
        target = a.pos + line_step(a.range);
        break;
    case SB_PAGEUP:
        target = a.pos - a.range / 10;
        break;
    case SB_PAGEDOWN:
        target = a.pos + a.range / 10;
        break;
    case SB_THUMBPOSITION:
        target = HIWORD(wparam);
        break;
    default:
        return 0;
    }
    if (target < 0)
        target = 0;
    if (target > a.range)
        target = a.range;
    if (target == a.pos)
        return 0;

    const int shift = a.pos - target;
    ScrollWindow(hwnd, bar == SB_HORZ ? shift : 0, bar == SB_VERT ? shift : 0, nullptr, nullptr);
    SetScrollPos(hwnd, bar, target, TRUE);
    a.pos = target;
    return 0;
}

} // namespace lumo

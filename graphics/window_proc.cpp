// The graphics window's procedure: every message the library handles.
#include "graphics_internal.h"

#include <stdlib.h>

namespace lumo {
namespace {

void reset_scroll_state()
{
    state.h_pos = state.v_pos = 0;
    state.h_range = state.v_range = 0;
    state.h_bar_on = state.v_bar_on = 0;
    state.line_repeat = 0;
}

// Drawing mode never repaints: the program's own drawing is the picture.
// In viewing the same rectangle is copied every time, whatever was uncovered.
void repaint_from_back_buffer(HWND hwnd)
{
    ValidateRect(hwnd, nullptr);
    if (state.display_mode == MODE_DRAWING)
        return;
    const RECT &r = state.start_paint.rcPaint;
    BitBlt(state.window_dc, r.left, r.top, r.right - r.left, r.bottom - r.top,
           state.memory_dc, r.left + state.h_pos, r.top + state.v_pos, SRCCOPY);
}

// Closing ends the viewing loop once the program has ended; before that it
// ends the program, and the at-exit loop then shows the picture once more.
void close_window(HWND hwnd)
{
    if (state.display_mode == MODE_FINISHED) {
        DestroyWindow(hwnd);
        PostQuitMessage(0);
        return;
    }
    exit(0);
}

// The repaint covers the whole window up to the maximum size, so erasing
// is only needed where the window has grown beyond it.
bool erase_wanted()
{
    if (state.display_mode == MODE_DRAWING)
        return true;
    return window_width() > state.max_width || window_height() > state.max_height;
}

// Maximised, the window shows the picture and no more. A message sent by
// hand without its record is ignored rather than followed.
void cap_maximised_size(MINMAXINFO *info)
{
    if (!info)
        return;
    info->ptMaxSize.x = state.max_width;
    info->ptMaxSize.y = state.max_height;
}

} // namespace

LRESULT CALLBACK graphics_window_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_CREATE:
        reset_scroll_state();
        break;
    case WM_SIZE:
        return handle_size(hwnd, lparam);
    case WM_PAINT:
        repaint_from_back_buffer(hwnd);
        return 0;
    case WM_CLOSE:
        close_window(hwnd);
        return 0;
    case WM_ERASEBKGND:
        if (!erase_wanted())
            return 0;
        break;
    case WM_GETMINMAXINFO:
        cap_maximised_size(reinterpret_cast<MINMAXINFO *>(lparam));
        return 0;
    case WM_NCHITTEST:
        state.line_repeat = 0;
        break;
    case WM_SYSCOMMAND:
        handle_sys_command(hwnd, wparam);
        break;
    case WM_HSCROLL:
        return handle_scroll(hwnd, SB_HORZ, wparam);
    case WM_VSCROLL:
        return handle_scroll(hwnd, SB_VERT, wparam);
    case WM_SIZING:
        handle_sizing(wparam);
        break;
    case WM_EXITSIZEMOVE:
        return handle_exit_size_move();
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}

} // namespace lumo

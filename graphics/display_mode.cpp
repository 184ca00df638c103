// The switch between drawing straight into the window and viewing a
// captured picture that the window procedure can repaint from.
#include "graphics_internal.h"

namespace lumo {
namespace {

// The capture is made in device pixels: a caller's mapping is set aside.
void save_mapping()
{
    state.saved_map_mode = GetMapMode(state.window_dc);
    if (state.saved_map_mode == MM_TEXT)
        return;
    GetWindowOrgEx(state.window_dc, &state.saved_window_org);
    GetWindowExtEx(state.window_dc, &state.saved_window_ext);
    GetViewportOrgEx(state.window_dc, &state.saved_viewport_org);
    GetViewportExtEx(state.window_dc, &state.saved_viewport_ext);
    SetMapMode(state.window_dc, MM_TEXT);
}

void restore_mapping()
{
    if (state.saved_map_mode == MM_TEXT)
        return;
    SetMapMode(state.window_dc, state.saved_map_mode);
    SetWindowOrgEx(state.window_dc, state.saved_window_org.x, state.saved_window_org.y, nullptr);
    SetWindowExtEx(state.window_dc, state.saved_window_ext.cx, state.saved_window_ext.cy, nullptr);
    SetViewportOrgEx(state.window_dc, state.saved_viewport_org.x, state.saved_viewport_org.y, nullptr);
    SetViewportExtEx(state.window_dc, state.saved_viewport_ext.cx, state.saved_viewport_ext.cy, nullptr);
}

void save_clipping()
{
    state.saved_clip_kind = GetClipBox(state.window_dc, &state.saved_clip_box);
    SelectClipRgn(state.window_dc, nullptr);
}

// Only a single rectangle can be given back; any other clipping is dropped.
void restore_clipping()
{
    if (state.saved_clip_kind != SIMPLEREGION)
        return;
    const RECT &box = state.saved_clip_box;
    HRGN region = CreateRectRgn(box.left, box.top, box.right, box.bottom);
    SelectClipRgn(state.window_dc, region); // selecting copies the region
    DeleteObject(region);
}

void release_back_buffer()
{
    DeleteDC(state.memory_dc);
    DeleteObject(state.back_buffer);
}

void capture_picture()
{
    state.memory_dc = CreateCompatibleDC(state.window_dc);
    state.back_buffer = CreateCompatibleBitmap(state.window_dc, state.canvas_width, state.canvas_height);
    SelectObject(state.memory_dc, state.back_buffer);
    BitBlt(state.memory_dc, 0, 0, state.canvas_width, state.canvas_height,
           state.window_dc, 0, 0, SRCCOPY);
}

// The window as it is now is the largest the user may make it.
void fix_maximum_size()
{
    state.max_width = window_width();
    state.max_height = window_height();
    state.start_paint.rcPaint.right = state.max_width;
    state.start_paint.rcPaint.bottom = state.max_height;
    state.max_width_with_bar = state.max_width + GetSystemMetrics(SM_CXVSCROLL);
    state.max_height_with_bar = state.max_height + GetSystemMetrics(SM_CYHSCROLL);
}

// The mode is stored last, so that every message the calls above deliver
// is handled in the mode that was current before.
void enter_viewing()
{
    if (state.display_mode == MODE_VIEWING)
        return;
    if (state.display_mode == MODE_FINISHED)
        release_back_buffer(); // a second capture replaces the first
    state.canvas_width = client_width();
    state.canvas_height = client_height();
    save_mapping();
    save_clipping();
    capture_picture();
    SetWindowPos(state.window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    fix_maximum_size();
    state.display_mode = MODE_VIEWING;
}

void leave_viewing()
{
    if (state.display_mode == MODE_DRAWING)
        return;
    SetWindowPos(state.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(state.window);
    state.display_mode = MODE_DRAWING;
    release_back_buffer();
    restore_mapping();
    restore_clipping();
}

} // namespace

void set_viewing(int on)
{
    if (on)
        enter_viewing();
    else
        leave_viewing();
}

} // namespace lumo

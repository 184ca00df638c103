// lumo's internals: the one state record and the functions that share it.
// Not for callers' programs; graphics.h is the public interface.
#ifndef LUMO_GRAPHICS_INTERNAL_H
#define LUMO_GRAPHICS_INTERNAL_H

#include "graphics.h"

namespace lumo {

// What the window is doing; every rule of the library tests a single value.
using DisplayMode = int;
constexpr DisplayMode MODE_FINISHED = 0; // the program has ended; closing ends the viewing loop
constexpr DisplayMode MODE_DRAWING = 1;  // the program draws straight into the window
constexpr DisplayMode MODE_VIEWING = 2;  // repaints come from the back buffer

// Sizes and positions are device pixels.
struct GraphicsState {
    DisplayMode display_mode = MODE_DRAWING;
    int saved_map_mode = MM_TEXT;       // window_dc's mapping mode when viewing began
    int saved_clip_kind = SIMPLEREGION; // GetClipBox's result when viewing began

    HWND window = nullptr;
    HDC window_dc = nullptr;  // from the one BeginPaint made at start-up; every primitive draws here
    PAINTSTRUCT start_paint = {}; // rcPaint is the rectangle every repaint copies
    HDC memory_dc = nullptr;  // holds back_buffer; live only outside drawing mode
    HBITMAP back_buffer = nullptr; // the captured picture, canvas_width x canvas_height

    int canvas_width = 0, canvas_height = 0;             // client size the picture was measured at
    int max_width = 0, max_height = 0;                   // largest outer window size allowed
    int max_width_with_bar = 0, max_height_with_bar = 0; // the same plus a scroll bar

    int h_pos = 0, v_pos = 0;       // picture column and row shown at the left and top edge
    int h_range = 0, v_range = 0;   // largest position: how much of the picture is hidden
    int h_bar_on = 0, v_bar_on = 0; // 1 while that scroll bar is in use
    int line_repeat = 0;            // line scrolls since the last hit test; drives acceleration
    unsigned size_messages = 0;     // WM_SIZEs fitted so far; a nested one supersedes the outer

    int palette_mode = 0; // 0: colours 1-7 bright; else 9-15 bright

    POINT saved_window_org = {}; // window_dc's mapping, saved when viewing began
    SIZE saved_window_ext = {};
    POINT saved_viewport_org = {};
    SIZE saved_viewport_ext = {};
    RECT saved_clip_box = {};    // window_dc's clip box, saved when viewing began
};

extern GraphicsState state;

// Window procedure.
LRESULT CALLBACK graphics_window_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// Scrolling and size rules, called by the window procedure.
LRESULT handle_size(HWND hwnd, LPARAM lparam);
void handle_sizing(WPARAM wparam);
void handle_sys_command(HWND hwnd, WPARAM wparam);
LRESULT handle_exit_size_move();
LRESULT handle_scroll(HWND hwnd, int bar, WPARAM wparam);

// Switch between drawing (on = 0) and viewing (on != 0).
void set_viewing(int on);

// At-exit handler: keeps the finished picture on screen until it is closed.
void wait_for_close();

// Font size (cx wide, cy high) that draw_text requests on dc for these scales.
SIZE font_size(HDC dc, double width_scale, double height_scale);
// The Shift_JIS Mincho font draw_text writes with, of that size.
HFONT create_text_font(SIZE size);

// Registers the class and opens the window: 0, or 1 if the class could not be registered.
int create_graphics_window(int width, int height);

} // namespace lumo

#endif // LUMO_GRAPHICS_INTERNAL_H

// Opening the graphics window.
#include "graphics_internal.h"

#include <stdlib.h>

namespace lumo {
namespace {

const DWORD window_style = WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL;

bool register_window_class(HINSTANCE instance)
{
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = graphics_window_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = "lumo";
    return RegisterClassA(&window_class) != 0;
}

// The outer size of a window whose client area is width x height (scroll
// bars not counted), cut to the screen on each axis.
void set_maximum_size(int width, int height)
{
    RECT outer = {0, 0, width, height};
    AdjustWindowRect(&outer, window_style, FALSE);
    state.max_width = outer.right - outer.left;
    state.max_height = outer.bottom - outer.top;
    if (state.max_width > screen_width())
        state.max_width = screen_width();
    if (state.max_height > screen_height())
        state.max_height = screen_height();
    state.max_width_with_bar = state.max_width + GetSystemMetrics(SM_CXVSCROLL);
    state.max_height_with_bar = state.max_height + GetSystemMetrics(SM_CYHSCROLL);
}

} // namespace

int create_graphics_window(int width, int height)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!register_window_class(instance))
        return 1;
    state.display_mode = MODE_DRAWING; // every creation message is handled as drawing
    set_maximum_size(width, height);

    char title[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, title, sizeof title);
    title[sizeof title - 1] = '\0'; // a cut path comes back unterminated on older systems

    state.window = CreateWindowExA(0, "lumo", title, window_style, CW_USEDEFAULT, CW_USEDEFAULT,
                                   state.max_width, state.max_height, nullptr, nullptr, instance,
                                   nullptr);
    SetWindowPos(state.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(state.window, SW_SHOWDEFAULT);
    state.canvas_width = client_width();
    state.canvas_height = client_height();
    // Erases the background first (drawing mode lets it), so the canvas is black.
    state.window_dc = BeginPaint(state.window, &state.start_paint);
    FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
    return 0;
}

} // namespace lumo

void open_graphics(int palette_mode)
{
    lumo::create_graphics_window(640, 400);
    set_palette_mode(palette_mode);
    atexit(lumo::wait_for_close);
}

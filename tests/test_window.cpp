#include "test_window.h"

using lumo::state;

namespace test {
namespace {

const char class_name[] = "lumo_test";
const DWORD style = WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL;

void register_class_once()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = lumo::graphics_window_proc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = class_name;
    registered = RegisterClassA(&window_class) != 0;
}

void fill_back_buffer()
{
    state.memory_dc = CreateCompatibleDC(state.window_dc);
    state.back_buffer = CreateCompatibleBitmap(state.window_dc, state.canvas_width, state.canvas_height);
    SelectObject(state.memory_dc, state.back_buffer);
    for (int y = 0; y < state.canvas_height; ++y)
        for (int x = 0; x < state.canvas_width; ++x)
            SetPixel(state.memory_dc, x, y, pattern(x, y));
}

} // namespace

COLORREF pattern(int x, int y) { return RGB(x & 0xFF, y & 0xFF, (x >> 8) * 16 + (y >> 8)); }

GraphicsWindow::GraphicsWindow(lumo::DisplayMode mode)
{
    state = lumo::GraphicsState();
    register_class_once();
    RECT outer = {0, 0, 640, 400};
    AdjustWindowRect(&outer, style, FALSE);
    state.max_width = outer.right - outer.left;
    state.max_height = outer.bottom - outer.top;
    state.max_width_with_bar = state.max_width + GetSystemMetrics(SM_CXVSCROLL);
    state.max_height_with_bar = state.max_height + GetSystemMetrics(SM_CYHSCROLL);
    hwnd = CreateWindowExA(0, class_name, "lumo test", style, 20, 20, state.max_width,
                           state.max_height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    state.window = hwnd;
    ShowWindow(hwnd, SW_SHOWNORMAL);
    state.canvas_width = client_width();
    state.canvas_height = client_height();
    state.window_dc = GetDC(hwnd);
    state.start_paint.rcPaint = {0, 0, state.max_width, state.max_height};
    if (mode != lumo::MODE_DRAWING)
        fill_back_buffer();
    state.display_mode = mode;
}

GraphicsWindow::~GraphicsWindow()
{
    ReleaseDC(hwnd, state.window_dc);
    DestroyWindow(hwnd);
    if (state.display_mode != lumo::MODE_DRAWING) {
        DeleteDC(state.memory_dc);
        DeleteObject(state.back_buffer);
    }
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    state = lumo::GraphicsState();
}

void close_graphics_window()
{
    EndPaint(state.window, &state.start_paint);
    DestroyWindow(state.window);
    UnregisterClassA("lumo", GetModuleHandleA(nullptr));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    state = lumo::GraphicsState();
}

void drag(HWND hwnd, WPARAM edge, int width, int height)
{
    RECT proposed;
    GetWindowRect(hwnd, &proposed);
    proposed.right = proposed.left + width;
    proposed.bottom = proposed.top + height;
    SendMessageA(hwnd, WM_SIZING, edge, reinterpret_cast<LPARAM>(&proposed));
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

void end_drag(HWND hwnd) { SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0); }

SIZE client_size(HWND hwnd)
{
    RECT r;
    GetClientRect(hwnd, &r);
    return {r.right, r.bottom};
}

SIZE outer_size(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

bool bar_visible(HWND hwnd, int bar)
{
    return (GetWindowLongA(hwnd, GWL_STYLE) & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

int scroll_pos(HWND hwnd, int bar) { return GetScrollPos(hwnd, bar); }

int scroll_max(HWND hwnd, int bar)
{
    int low = -1, high = -1;
    GetScrollRange(hwnd, bar, &low, &high);
    return high;
}

} // namespace test

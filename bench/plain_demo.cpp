// lumo's demo picture drawn by a plain Win32 program, for the benchmark to
// time against the demo itself: a 640x400 window with its own message loop
// that paints with the same GDI calls lumo makes. Once the picture is drawn
// the window gets the property "drawn", which the benchmark waits for.
//
//   plain_demo [like-lumo]
//
// With "like-lumo" the window is the one lumo opens: it has both scroll
// bars, hidden on every size change, and is top-most until it has drawn.
// That shows what such a window costs by itself, apart from lumo's code.
#include "direct_gdi.h"

#include <string.h>

namespace {

const char class_name[] = "plain_demo";

void draw_picture(HDC dc)
{
    for (int i = 1; i <= 254; ++i)
        direct_ellipse(dc, 320 - i, 200 - i, 320 + i, 200 + i, i % 7 + 1);
    direct_text(dc, 70, 100, "Windows\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x8C\xA9\x96\x7B", 7,
                3.0, 10.0);
    direct_ellipse(dc, 500, 300, 30, 30, 7);
    direct_fill(dc, 500, 300, 6, 7);
}

bool like_lumo = false;

void paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    draw_picture(dc);
    EndPaint(hwnd, &ps);
    GdiFlush();
    if (like_lumo)
        SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetPropA(hwnd, "drawn", hwnd);
}

LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_PAINT:
        paint(hwnd);
        return 0;
    case WM_SIZE:
        if (!like_lumo)
            break;
        ShowScrollBar(hwnd, SB_HORZ, FALSE);
        ShowScrollBar(hwnd, SB_VERT, FALSE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}

HWND open_window(HINSTANCE instance)
{
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = class_name;
    RegisterClassA(&window_class);
    const DWORD style = like_lumo ? WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL : WS_OVERLAPPEDWINDOW;
    RECT outer = {0, 0, 640, 400};
    AdjustWindowRect(&outer, style, FALSE);
    return CreateWindowExA(0, class_name, "plain demo", style, CW_USEDEFAULT,
                           CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                           nullptr, nullptr, instance, nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    like_lumo = argc > 1 && strcmp(argv[1], "like-lumo") == 0;
    HWND hwnd = open_window(GetModuleHandleA(nullptr));
    if (!hwnd)
        return 1;
    if (like_lumo)
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(hwnd, SW_SHOWDEFAULT);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

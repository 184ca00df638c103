// Ends in the way its argument names, with the window closed by a timer
// that runs in the exit-time viewing loop after checking what it shows.
// A failed check ends the process with status 99.
//   return N      draws a red square, returns N
//   exit N        calls exit(N)
//   nothing       draws nothing, returns 0
//   close-drawing asks for a close while drawing and pumps messages itself
//   twice         calls open_graphics twice, returns 6
//   no-class      the class name is taken, so no window opens; returns 8
#include "graphics.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

HWND lumo_window;

void fail(const char *what)
{
    fprintf(stderr, "at_exit: %s\n", what);
    fflush(stderr);
    ExitProcess(99);
}

void check(bool ok, const char *what)
{
    if (!ok)
        fail(what);
}

bool topmost(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

COLORREF pixel(int x, int y) { return GetPixel(graphics_dc(), x, y); }

BOOL CALLBACK count_lumo_window(HWND hwnd, LPARAM count)
{
    DWORD process = 0;
    char name[16] = "";
    GetWindowThreadProcessId(hwnd, &process);
    GetClassNameA(hwnd, name, sizeof name);
    if (process == GetCurrentProcessId() && strcmp(name, "lumo") == 0)
        ++*reinterpret_cast<int *>(count);
    return TRUE;
}

int lumo_windows()
{
    int count = 0;
    EnumWindows(count_lumo_window, reinterpret_cast<LPARAM>(&count));
    return count;
}

// In the viewing loop: the picture is still there, and the window has let go of top-most.
void CALLBACK check_and_close(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    check(IsWindowVisible(lumo_window) != 0, "window not visible after the program ended");
    check(!topmost(lumo_window), "window still top-most after the program ended");
    check(pixel(5, 5) == RGB(0, 0, 0), "background not black in the viewing loop");
    PostMessageA(lumo_window, WM_CLOSE, 0, 0);
}

void CALLBACK check_square_and_close(HWND hwnd, UINT msg, UINT_PTR timer, DWORD time)
{
    check(pixel(60, 60) == RGB(255, 0, 0), "the red square is gone in the viewing loop");
    check_and_close(hwnd, msg, timer, time);
}

void draw_red_square()
{
    RECT square = {50, 50, 100, 100};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(graphics_dc(), &square, red);
    DeleteObject(red);
}

void open_and_check_start_up()
{
    open_graphics(0);
    lumo_window = WindowFromDC(graphics_dc());
    check(lumo_window != nullptr, "no window behind graphics_dc()");
    check(topmost(lumo_window), "window not top-most while drawing");
    check(client_width() == 640 && client_height() == 400, "client area not 640x400");
    const LONG style = GetWindowLongA(lumo_window, GWL_STYLE);
    check((style & (WS_HSCROLL | WS_VSCROLL)) == 0, "a scroll bar shows while drawing");
    char title[MAX_PATH] = "", path[MAX_PATH] = "";
    GetWindowTextA(lumo_window, title, sizeof title);
    GetModuleFileNameA(nullptr, path, sizeof path);
    check(strcmp(title, path) == 0, "title is not the executable's path");
}

} // namespace

int main(int argc, char **argv)
{
    const char *how = argc > 1 ? argv[1] : "nothing";
    const int status = argc > 2 ? atoi(argv[2]) : 0;

    if (strcmp(how, "no-class") == 0) {
        WNDCLASSA taken = {};
        taken.lpfnWndProc = DefWindowProcA;
        taken.hInstance = GetModuleHandleA(nullptr);
        taken.lpszClassName = "lumo";
        RegisterClassA(&taken);
        open_graphics(3);
        check(graphics_dc() == nullptr && lumo_windows() == 0, "a window opened without its class");
        check(palette_color(7) == RGB(0x77, 0x77, 0x77), "palette mode not set");
        return 8;
    }

    open_and_check_start_up();
    const bool square = strcmp(how, "return") == 0;
    SetTimer(nullptr, 0, 100, square ? check_square_and_close : check_and_close);

    if (square) {
        draw_red_square();
        return status;
    }
    if (strcmp(how, "exit") == 0)
        exit(status);
    if (strcmp(how, "twice") == 0) {
        open_graphics(5);
        check(lumo_windows() == 1, "a second window opened");
        check(palette_color(15) == RGB(255, 255, 255), "second palette mode not set");
        return 6;
    }
    if (strcmp(how, "close-drawing") == 0) {
        PostMessageA(lumo_window, WM_CLOSE, 0, 0);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        fail("the close while drawing did not end the program");
    }
    return 0;
}

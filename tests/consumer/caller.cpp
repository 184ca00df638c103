// A C++ program using lumo: draws, then closes its own window from the
// exit-time loop if the picture is there, and ends with status 4.
#include <graphics.h>

static void CALLBACK close_if_drawn(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (GetPixel(graphics_dc(), 300, 200) != palette_color(10))
        ExitProcess(99);
    PostMessageA(WindowFromDC(graphics_dc()), WM_CLOSE, 0, 0);
}

int main()
{
    open_graphics(0);
    draw_ellipse(300, 200, 100, 50, 10);
    paint_area(300, 200, 10, 10);
    SetTimer(nullptr, 0, 100, close_if_drawn);
    return 4;
}

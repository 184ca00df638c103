/* A C program using lumo: draws, then closes its own window from the
 * exit-time loop if the picture is there, and ends with status 3. */
#include "graphics.h"

static void CALLBACK close_if_drawn(HWND hwnd, UINT msg, UINT_PTR timer, DWORD time)
{
    HWND window = WindowFromDC(graphics_dc());
    (void)hwnd, (void)msg, (void)time;
    KillTimer(NULL, timer);
    if (GetPixel(graphics_dc(), 500, 300) != RGB(255, 255, 0))
        ExitProcess(99);
    PostMessageA(window, WM_CLOSE, 0, 0);
}

int main(void)
{
    open_graphics(0);
    draw_circle(500, 300, 30, 7);
    paint_area(500, 300, 6, 7);
    draw_text(10, 10, "C", 7, 1.0, 1.0);
    SetTimer(NULL, 0, 100, close_if_drawn);
    return 3;
}

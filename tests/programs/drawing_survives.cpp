// Drawings made before the program ends are still there in the viewing
// loop after the window has been covered and uncovered. Exits 0 when they
// are, 99 otherwise; the window closes itself.
#include "graphics.h"

#include <stdio.h>

namespace {

HWND lumo_window;
int failures;

void expect_pixel(int x, int y, COLORREF expected, const char *what)
{
    const COLORREF actual = GetPixel(graphics_dc(), x, y);
    if (actual == expected)
        return;
    fprintf(stderr, "drawing_survives: %s at (%d, %d) is %06lx, expected %06lx\n", what, x, y,
            static_cast<unsigned long>(actual), static_cast<unsigned long>(expected));
    ++failures;
}

void expect_picture()
{
    expect_pixel(470, 300, RGB(255, 255, 255), "circle's left edge");
    expect_pixel(530, 300, RGB(255, 255, 255), "circle's right edge");
    expect_pixel(500, 300, RGB(255, 255, 0), "the fill");
    expect_pixel(200, 150, RGB(0, 0, 0), "the background");
    expect_pixel(100, 50, RGB(255, 0, 0), "the ellipse");
}

// A window over the picture, gone again; whatever it left is painted over
// too, so that only a repaint from the captured picture can bring it back.
void cover_and_uncover()
{
    RECT client;
    GetClientRect(lumo_window, &client);
    POINT corner = {0, 0};
    ClientToScreen(lumo_window, &corner);
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, corner.x, corner.y,
                                 client.right, client.bottom, nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(cover);
    DestroyWindow(cover);
    FillRect(graphics_dc(), &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    InvalidateRect(lumo_window, nullptr, TRUE);
    UpdateWindow(lumo_window);
}

void CALLBACK check_and_close(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    cover_and_uncover();
    expect_picture();
    PostMessageA(lumo_window, WM_CLOSE, 0, 0);
}

} // namespace

int main()
{
    open_graphics(0);
    lumo_window = WindowFromDC(graphics_dc());
    draw_ellipse(100, 100, 60, 50, 2);
    draw_circle(500, 300, 30, 7);
    paint_area(500, 300, 6, 7);
    draw_text(20, 20, "lumo", 7, 1.0, 1.0);
    expect_picture();
    SetTimer(nullptr, 0, 100, check_and_close);
    return failures ? 99 : 0;
}

// lumo's drawing calls written out as plain GDI, without the library: the
// same objects created, selected, restored and deleted on every call, so
// that any difference in cost is the library's own.
#ifndef LUMO_BENCH_DIRECT_GDI_H
#define LUMO_BENCH_DIRECT_GDI_H

#include <windows.h>

// The colour of a number in palette mode 0 (lumo's default).
COLORREF direct_colour(int color);

// The Shift_JIS Mincho font lumo writes with, of that cell size.
HFONT create_mincho(SIZE size);

void direct_ellipse(HDC dc, int x, int y, int rx, int ry, int color);
void direct_fill(HDC dc, int x, int y, int fill_color, int border_color);
void direct_text(HDC dc, int x, int y, const char *text, int color, double width_scale,
                 double height_scale);

#endif // LUMO_BENCH_DIRECT_GDI_H

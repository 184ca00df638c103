// Circle and ellipse outlines and the flood fill.
#include "graphics_internal.h"

#include <limits.h>

using lumo::state;

namespace {

// A bounding-box edge; extreme arguments saturate instead of overflowing.
int edge(int centre, long long offset)
{
    const long long value = centre + offset;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

void draw_ellipse(int x, int y, int rx, int ry, int color)
{
    HDC dc = state.window_dc;
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH)); // outline only
    HPEN pen = CreatePen(PS_SOLID, 0, palette_color(color));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    // GM_COMPATIBLE leaves out the bounding box's right and bottom edge;
    // one more pixel there makes both modes span x - rx to x + rx inclusive.
    const long long k = GetGraphicsMode(dc) == GM_COMPATIBLE ? 1 : 0;
    Ellipse(dc, edge(x, -static_cast<long long>(rx)), edge(y, -static_cast<long long>(ry)),
            edge(x, rx + k), edge(y, ry + k));
    SelectObject(dc, old_pen);
    DeleteObject(pen);
    SelectObject(dc, old_brush);
}

void draw_circle(int x, int y, int r, int color) { draw_ellipse(x, y, r, r, color); }

void paint_area(int x, int y, int fill_color, int border_color)
{
    HDC dc = state.window_dc;
    HBRUSH brush = CreateSolidBrush(palette_color(fill_color));
    HGDIOBJ old_brush = SelectObject(dc, brush);
    ExtFloodFill(dc, x, y, palette_color(border_color), FLOODFILLBORDER);
    SelectObject(dc, old_brush);
    DeleteObject(brush);
}

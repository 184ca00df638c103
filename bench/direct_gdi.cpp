#include "direct_gdi.h"

#include <stdlib.h>
#include <string.h>

namespace {

const int canvas_width = 640, canvas_height = 400;

// The font cell for the scales, in the surface's logical units, as lumo
// asks for it: 7x15 device pixels per unit of scale.
SIZE font_size(HDC dc, double width_scale, double height_scale)
{
    POINT cell[2] = {{1, 1}, {8, 16}};
    DPtoLP(dc, cell, 2);
    const int unit_w = abs(cell[1].x - cell[0].x);
    const int unit_h = abs(cell[1].y - cell[0].y);
    double w = unit_w, h = unit_h / 2;
    if (width_scale > 0 && height_scale > 0) {
        w = unit_w * width_scale;
        h = unit_h * height_scale;
    }
    if (GetMapMode(dc) != MM_TEXT) {
        SIZE extent = {};
        GetWindowExtEx(dc, &extent);
        w = static_cast<double>(canvas_width) / extent.cx * w;
        h = static_cast<double>(canvas_height) / extent.cy * h;
    }
    return {static_cast<int>(w), static_cast<int>(h)};
}

} // namespace

COLORREF direct_colour(int color)
{
    static const COLORREF palette[16] = {
        RGB(0, 0, 0),          RGB(0, 0, 0xFF),       RGB(0xFF, 0, 0),       RGB(0xFF, 0, 0xFF),
        RGB(0, 0xFF, 0),       RGB(0, 0xFF, 0xFF),    RGB(0xFF, 0xFF, 0),    RGB(0xFF, 0xFF, 0xFF),
        RGB(0x44, 0x44, 0x44), RGB(0, 0, 0x77),       RGB(0x77, 0, 0),       RGB(0x77, 0, 0x77),
        RGB(0, 0x77, 0),       RGB(0, 0x77, 0x77),    RGB(0x77, 0x77, 0),    RGB(0x77, 0x77, 0x77),
    };
    const unsigned number = static_cast<unsigned>(color);
    return number < 16 ? palette[number] : RGB(0xFF, 0xFF, 0xFF);
}

HFONT create_mincho(SIZE size)
{
    return CreateFontA(size.cy, size.cx, 0, 0, FW_MEDIUM, 0, 0, 0, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                       CLIP_TT_ALWAYS, PROOF_QUALITY, VARIABLE_PITCH | FF_ROMAN, "MSMINCHO");
}

void direct_ellipse(HDC dc, int x, int y, int rx, int ry, int color)
{
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HPEN pen = CreatePen(PS_SOLID, 0, direct_colour(color));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    const int k = GetGraphicsMode(dc) == GM_COMPATIBLE ? 1 : 0;
    Ellipse(dc, x - rx, y - ry, x + rx + k, y + ry + k);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
    SelectObject(dc, old_brush);
}

void direct_fill(HDC dc, int x, int y, int fill_color, int border_color)
{
    HBRUSH brush = CreateSolidBrush(direct_colour(fill_color));
    HGDIOBJ old_brush = SelectObject(dc, brush);
    ExtFloodFill(dc, x, y, direct_colour(border_color), FLOODFILLBORDER);
    SelectObject(dc, old_brush);
    DeleteObject(brush);
}

void direct_text(HDC dc, int x, int y, const char *text, int color, double width_scale,
                 double height_scale)
{
    const int length = static_cast<int>(strlen(text));
    const SIZE size = font_size(dc, width_scale, height_scale);
    HFONT font = create_mincho(size);
    HGDIOBJ old_font = SelectObject(dc, font);
    const int old_mode = GetBkMode(dc);
    if (old_mode != TRANSPARENT)
        SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, direct_colour(color));
    TextOutA(dc, x, y, text, length);
    SelectObject(dc, old_font);
    DeleteObject(font);
    if (old_mode != TRANSPARENT)
        SetBkMode(dc, old_mode);
}

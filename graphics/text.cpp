// Shift_JIS text in a Mincho face, sized in character cells.
#include "graphics_internal.h"

#include <limits.h>
#include <string.h>

using lumo::state;

namespace {

// Truncates toward zero; sizes beyond int saturate and NaN gives 0, so that
// absurd scales reach CreateFontA as a defined (if useless) request.
int truncate_to_int(double value)
{
    if (value != value)
        return 0;
    if (value >= 2147483647.0)
        return INT_MAX;
    if (value <= -2147483648.0)
        return INT_MIN;
    return static_cast<int>(value);
}

// A saturated size is beyond any font that can be drawn (and Wine spins
// rasterising some of them), so such a request writes nothing.
bool drawable(SIZE size)
{
    return size.cx != INT_MAX && size.cx != INT_MIN && size.cy != INT_MAX && size.cy != INT_MIN;
}

int distance(LONG a, LONG b)
{
    const long long d = static_cast<long long>(a) - b;
    const long long magnitude = d < 0 ? -d : d;
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

// Outside MM_TEXT the request is scaled by canvas over window extent. A
// zero extent (which GDI itself refuses to set) leaves that axis unscaled.
double scale_to_extent(double size, int canvas, LONG extent)
{
    if (extent == 0)
        return size;
    return static_cast<double>(canvas) / extent * size;
}

} // namespace

namespace lumo {

// The base cell is 7x15 device pixels, measured in the surface's logical
// units. A scale that is not above zero on either axis (NaN included)
// gives the plain cell's width and half its height.
SIZE font_size(HDC dc, double width_scale, double height_scale)
{
    POINT cell[2] = {{1, 1}, {8, 16}};
    DPtoLP(dc, cell, 2);
    const int unit_w = distance(cell[0].x, cell[1].x);
    const int unit_h = distance(cell[0].y, cell[1].y);

    double w = unit_w, h = unit_h / 2;
    if (width_scale > 0 && height_scale > 0) {
        w = unit_w * width_scale;
        h = unit_h * height_scale;
    }
    if (GetMapMode(dc) != MM_TEXT) {
        SIZE extent = {};
        GetWindowExtEx(dc, &extent);
        w = scale_to_extent(w, state.canvas_width, extent.cx);
        h = scale_to_extent(h, state.canvas_height, extent.cy);
    }
    return {truncate_to_int(w), truncate_to_int(h)};
}

HFONT create_text_font(SIZE size)
{
    return CreateFontA(size.cy, size.cx, 0, 0, FW_MEDIUM, 0, 0, 0, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                       CLIP_TT_ALWAYS, PROOF_QUALITY, VARIABLE_PITCH | FF_ROMAN, "MSMINCHO");
}

} // namespace lumo

void draw_text(int x, int y, const char *text, int color, double width_scale, double height_scale)
{
    if (!text)
        return;
    HDC dc = state.window_dc;
    const size_t bytes = strlen(text);
    const int length = bytes > INT_MAX ? INT_MAX : static_cast<int>(bytes);
    const SIZE size = lumo::font_size(dc, width_scale, height_scale);

    HFONT font = lumo::create_text_font(size);
    HGDIOBJ old_font = SelectObject(dc, font);
    const int old_mode = GetBkMode(dc);
    if (old_mode != TRANSPARENT)
        SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, palette_color(color)); // stays set after the call
    if (drawable(size))
        TextOutA(dc, x, y, text, length);
    SelectObject(dc, old_font);
    DeleteObject(font);
    if (old_mode != TRANSPARENT)
        SetBkMode(dc, old_mode);
}

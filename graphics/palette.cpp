// The sixteen numbered colours.
#include "graphics_internal.h"

using lumo::state;

namespace {

// Bits of the numbers 1-7 (and 9-15): blue 1, red 2, green 4.
COLORREF hue(unsigned bits, COLORREF level)
{
    const COLORREF red = (bits & 2) ? level : 0, green = (bits & 4) ? level : 0, blue = (bits & 1) ? level : 0;
    return red | green << 8 | blue << 16;
}

} // namespace

void set_palette_mode(int mode) { state.palette_mode = mode; }

COLORREF palette_color(int color)
{
    const COLORREF bright = 0xFF, dim = 0x77;
    const COLORREF low_level = state.palette_mode == 0 ? bright : dim;  // colours 1-7
    const COLORREF high_level = state.palette_mode == 0 ? dim : bright; // colours 9-15
    const unsigned number = static_cast<unsigned>(color); // negatives fall above 15
    if (number == 0)
        return 0x000000;
    if (number == 8)
        return 0x444444;
    if (number < 8)
        return hue(number, low_level);
    if (number <= 15)
        return hue(number - 8, high_level);
    return 0xFFFFFF;
}

// The sixteen numbered colours.
#include "graphics_internal.h"

using lumo::state;

namespace {

// Bits of the numbers 1-7 (and 9-15): blue 1, red 2, green 4.
COLORREF hue(int bits, int level)
{
    return RGB((bits & 2) ? level : 0, (bits & 4) ? level : 0, (bits & 1) ? level : 0);
}

} // namespace

void set_palette_mode(int mode) { state.palette_mode = mode; }

COLORREF palette_color(int color)
{
    const int bright = 0xFF, dim = 0x77;
    const int low_level = state.palette_mode == 0 ? bright : dim; // colours 1-7
    const int high_level = state.palette_mode == 0 ? dim : bright; // colours 9-15
    const unsigned number = static_cast<unsigned>(color); // negatives fall above 15
    if (number == 0)
        return RGB(0, 0, 0);
    if (number == 8)
        return RGB(0x44, 0x44, 0x44);
    if (number < 8)
        return hue(static_cast<int>(number), low_level);
    if (number <= 15)
        return hue(static_cast<int>(number) - 8, high_level);
    return RGB(0xFF, 0xFF, 0xFF);
}

#include "graphics_internal.h"

#include <gtest/gtest.h>

namespace {

struct PaletteMode {
    explicit PaletteMode(int mode) { set_palette_mode(mode); }
    ~PaletteMode() { set_palette_mode(0); }
};

} // namespace

TEST(Palette, BrightColoursFirstInModeZero)
{
    PaletteMode mode(0);
    const COLORREF expected[16] = {0x000000, 0xFF0000, 0x0000FF, 0xFF00FF, 0x00FF00, 0xFFFF00,
                                   0x00FFFF, 0xFFFFFF, 0x444444, 0x770000, 0x000077, 0x770077,
                                   0x007700, 0x777700, 0x007777, 0x777777};
    for (int color = 0; color < 16; ++color)
        EXPECT_EQ(palette_color(color), expected[color]) << "colour " << color;
}

TEST(Palette, AnyOtherModeSwapsTheIntensities)
{
    for (int value : {1, 5, -1}) {
        PaletteMode mode(value);
        const COLORREF expected[16] = {0x000000, 0x770000, 0x000077, 0x770077, 0x007700, 0x777700,
                                       0x007777, 0x777777, 0x444444, 0xFF0000, 0x0000FF, 0xFF00FF,
                                       0x00FF00, 0xFFFF00, 0x00FFFF, 0xFFFFFF};
        for (int color = 0; color < 16; ++color)
            EXPECT_EQ(palette_color(color), expected[color]) << "mode " << value << ", colour " << color;
        EXPECT_EQ(lumo::state.palette_mode, value);
    }
}

TEST(Palette, NumbersOutsideTheTableAreWhite)
{
    for (int value : {0, 5}) {
        PaletteMode mode(value);
        for (int color : {16, -1, 1000, INT_MIN, INT_MAX})
            EXPECT_EQ(palette_color(color), 0xFFFFFFu) << "colour " << color;
    }
}

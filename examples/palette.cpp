// The sixteen colours in both palette modes, each as a labelled disc.
#include "graphics.h"

#include <stdio.h>

static void draw_palette_row(int y, int mode)
{
    char label[32];
    set_palette_mode(mode);
    snprintf(label, sizeof label, "palette mode %d", mode);
    draw_text(10, y - 60, label, 7, 1.0, 1.0);
    for (int color = 0; color < 16; ++color) {
        const int x = 25 + color * 39;
        draw_circle(x, y, 16, 7); // a ring, so that black shows too
        paint_area(x, y, color, 7);
        snprintf(label, sizeof label, "%d", color);
        draw_text(x - 7, y + 22, label, 7, 1.0, 1.0);
    }
}

int main(void)
{
    open_graphics(0);
    draw_palette_row(110, 0);
    draw_palette_row(300, 1);
    return 0;
}

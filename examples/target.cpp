// A target: rings of white outlines, each flood-filled in its own colour.
#include "graphics.h"

int main(void)
{
    open_graphics(0);
    const int ring_colors[] = {2, 6, 1, 4, 5, 3};
    int ring = 0;
    for (int r = 180; r > 0; r -= 30, ++ring) {
        draw_circle(320, 200, r, 7);
        // The ring between this circle and the next smaller one.
        paint_area(320 + r - 15, 200, ring_colors[ring], 7);
    }
    return 0;
}

// lumo's demonstration picture: a fan of ellipses, a title and a yellow disc.
#include "graphics.h"

int main()
{
    open_graphics(0);

    // Every ellipse reaches x = 640 and y = 400 and grows up and to the left.
    for (int i = 1; i <= 254; ++i)
        draw_ellipse(320 - i, 200 - i, 320 + i, 200 + i, i % 7 + 1);

    // "Windows" and four Japanese words, in Shift_JIS; escaped so that no
    // source or execution character set can change the bytes.
    draw_text(70, 100, "Windows\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x8C\xA9\x96\x7B", 7, 3.0, 10.0);

    draw_circle(500, 300, 30, 7);
    paint_area(500, 300, 6, 7);
    return 0;
}

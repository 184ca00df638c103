// Japanese text at several sizes. The strings are Shift_JIS bytes, written
// as escapes so that no compiler character set can change them.
#include "graphics.h"

int main(void)
{
    open_graphics(0);
    const char hello[] = "\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD"; // konnichiwa
    draw_text(20, 20, hello, 7, 1.0, 1.0);          // the 7x15 cell
    draw_text(20, 50, hello, 6, 2.0, 2.0);          // twice as wide and high
    draw_text(20, 100, hello, 5, 3.0, 4.0);         // 21 wide, 60 high
    const char japanese[] = "\x93\xFA\x96\x7B\x8C\xEA"; // nihongo
    draw_text(20, 200, japanese, 2, 8.0, 12.0);     // 56 wide, 180 high
    return 0;
}

// A lumo program with a known picture: checks that its arguments arrived
// intact, draws, and returns the status given as its first argument (3 if
// the other arguments were not the expected ones).
#include "graphics.h"

#include <stdlib.h>
#include <string.h>

namespace {

// Spaces, quotes and backslashes wherever quoting must keep them; the same
// list as in check_capture.py, which passes them.
const char *const expected_arguments[] = {"two words", "say \"hi\"", "C:\\dir\\", "", "a\\\\\"b", "tab\there"};

bool arguments_intact(int argc, char **argv)
{
    const int count = sizeof expected_arguments / sizeof expected_arguments[0];
    if (argc != 2 + count)
        return false;
    for (int i = 0; i < count; ++i) {
        if (strcmp(argv[2 + i], expected_arguments[i]) != 0)
            return false;
    }
    return true;
}

void fill(HDC dc, int left, int top, int right, int bottom, COLORREF color)
{
    const RECT area = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

} // namespace

int main(int argc, char **argv)
{
    const bool intact = argc == 2 || arguments_intact(argc, argv);
    open_graphics(0);
    HDC dc = graphics_dc();
    fill(dc, 0, 0, 640, 400, RGB(0x10, 0x20, 0x30));
    // Still drawing, and top-most: a capture taken now would lack what follows.
    Sleep(1000);
    fill(dc, 100, 50, 300, 150, RGB(0xC0, 0x40, 0x20));
    SetPixel(dc, 0, 0, RGB(0xFF, 0x00, 0x00));
    SetPixel(dc, 639, 0, RGB(0x00, 0xFF, 0x00));
    SetPixel(dc, 0, 399, RGB(0x00, 0x00, 0xFF));
    SetPixel(dc, 639, 399, RGB(0xFF, 0xFF, 0x00));
    if (!intact)
        return 3;
    return argc > 1 ? atoi(argv[1]) : 0;
}

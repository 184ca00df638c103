// A close request handled while the program still runs ends it with status
// 0. Run with "drawing" or "viewing"; returns 3 if the close did not end it.
#include "../test_window.h"

#include <string.h>

int main(int argc, char **argv)
{
    const bool viewing = argc > 1 && strcmp(argv[1], "viewing") == 0;
    test::GraphicsWindow window(viewing ? lumo::MODE_VIEWING : lumo::MODE_DRAWING);
    PostMessageA(window.hwnd, WM_CLOSE, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    return 3;
}

// A window driven by the library's own procedure, with the state record
// set up as start-up (and, for the other modes, entering viewing) leaves it.
#ifndef LUMO_TEST_WINDOW_H
#define LUMO_TEST_WINDOW_H

#include "graphics_internal.h"

namespace test {

// The back buffer's known picture: pixel (x, y) of the canvas.
COLORREF pattern(int x, int y);

class GraphicsWindow {
public:
    explicit GraphicsWindow(lumo::DisplayMode mode);
    ~GraphicsWindow();
    GraphicsWindow(const GraphicsWindow &) = delete;
    GraphicsWindow &operator=(const GraphicsWindow &) = delete;

    HWND hwnd;
};

// Undoes create_graphics_window, for the next test to open a new one.
void close_graphics_window();

// An interactive resize: WM_SIZING for the edge, then the new outer size.
void drag(HWND hwnd, WPARAM edge, int width, int height);
// The end of an interactive move or resize.
void end_drag(HWND hwnd);

SIZE client_size(HWND hwnd);
SIZE outer_size(HWND hwnd);
bool bar_visible(HWND hwnd, int bar);
int scroll_pos(HWND hwnd, int bar);
int scroll_max(HWND hwnd, int bar);

} // namespace test

#endif

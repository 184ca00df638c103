// The library's one state record and the size queries.
#include "graphics_internal.h"

namespace lumo {
GraphicsState state;
}

using lumo::state;

HDC graphics_dc(void) { return state.window_dc; }

int screen_width(void) { return GetSystemMetrics(SM_CXSCREEN); }
int screen_height(void) { return GetSystemMetrics(SM_CYSCREEN); }

int client_width(void)
{
    RECT r = {};
    GetClientRect(state.window, &r);
    return r.right;
}

int client_height(void)
{
    RECT r = {};
    GetClientRect(state.window, &r);
    return r.bottom;
}

int window_width(void)
{
    RECT r = {};
    GetWindowRect(state.window, &r);
    return r.right - r.left;
}

int window_height(void)
{
    RECT r = {};
    GetWindowRect(state.window, &r);
    return r.bottom - r.top;
}

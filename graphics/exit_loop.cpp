// The library's only message loop, run when the caller's program ends.
#include "graphics_internal.h"

namespace lumo {
namespace {

// No close can come for a window that does not exist (creation failed, or
// an earlier run of this handler has already seen it closed), nor for one
// another thread would have to serve.
bool window_is_ours()
{
    DWORD process = 0;
    return IsWindow(state.window) &&
           GetWindowThreadProcessId(state.window, &process) == GetCurrentThreadId() &&
           process == GetCurrentProcessId();
}

} // namespace

void wait_for_close()
{
    if (!window_is_ours())
        return;
    set_viewing(1);
    state.display_mode = MODE_FINISHED; // closing now ends this loop, not the process
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    set_viewing(0);
    EndPaint(state.window, &state.start_paint);
    UnregisterClassA("lumo", GetModuleHandleA(nullptr));
}

} // namespace lumo

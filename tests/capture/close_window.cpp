// Closes a lumo window as its user would, once its picture is final and it
// has stayed open for a second. Exits with 0 when it did, 1 when no finished
// window appeared within 30 s, 2 when the window went away by itself.
#include <windows.h>

namespace {

bool finished(HWND window)
{
    return window && IsWindowVisible(window) &&
           !(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

HWND wait_for_finished_window()
{
    for (int i = 0; i < 1500; ++i) {
        HWND window = FindWindowA("lumo", nullptr);
        if (finished(window))
            return window;
        Sleep(20);
    }
    return nullptr;
}

} // namespace

int main()
{
    HWND window = wait_for_finished_window();
    if (!window)
        return 1;
    Sleep(1000);
    if (!IsWindow(window))
        return 2;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

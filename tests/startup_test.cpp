#include "test_window.h"

#include <gtest/gtest.h>

#include <string.h>

using lumo::state;

namespace {

struct OpenWindow {
    OpenWindow() { result = lumo::create_graphics_window(640, 400); }
    ~OpenWindow() { test::close_graphics_window(); }
    int result;
};

} // namespace

TEST(StartUp, OpensATopMostBlackCanvasOfTheRequestedSize)
{
    OpenWindow window;
    ASSERT_EQ(window.result, 0);
    HWND hwnd = state.window;
    char name[16] = "", title[MAX_PATH] = "", path[MAX_PATH] = "";
    GetClassNameA(hwnd, name, sizeof name);
    EXPECT_STREQ(name, "lumo");
    GetWindowTextA(hwnd, title, sizeof title);
    GetModuleFileNameA(nullptr, path, sizeof path);
    EXPECT_STREQ(title, path);

    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(test::bar_visible(hwnd, SB_HORZ));
    EXPECT_FALSE(test::bar_visible(hwnd, SB_VERT));
    EXPECT_EQ(test::client_size(hwnd).cx, 640);
    EXPECT_EQ(test::client_size(hwnd).cy, 400);
    EXPECT_EQ(state.canvas_width, 640);
    EXPECT_EQ(state.canvas_height, 400);
    EXPECT_EQ(state.display_mode, lumo::MODE_DRAWING);

    RECT outer = {0, 0, 640, 400};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL, FALSE);
    EXPECT_EQ(state.max_width, outer.right - outer.left);
    EXPECT_EQ(state.max_height, outer.bottom - outer.top);
    EXPECT_EQ(window_width(), state.max_width);
    EXPECT_EQ(window_height(), state.max_height);
    EXPECT_EQ(state.max_width_with_bar, state.max_width + GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(state.max_height_with_bar, state.max_height + GetSystemMetrics(SM_CYHSCROLL));

    EXPECT_EQ(WindowFromDC(graphics_dc()), hwnd);
    EXPECT_EQ(GetPixel(graphics_dc(), 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(graphics_dc(), 639, 399), RGB(0, 0, 0));
}

TEST(StartUp, ATakenClassNameOpensNothing)
{
    OpenWindow first;
    state.display_mode = lumo::MODE_VIEWING;
    HWND window = state.window;
    EXPECT_EQ(lumo::create_graphics_window(640, 400), 1);
    EXPECT_EQ(state.window, window);
    EXPECT_EQ(state.display_mode, lumo::MODE_VIEWING) << "the mode is not touched";
    state.display_mode = lumo::MODE_DRAWING;
}

TEST(StartUp, PendingConsoleInputIsDiscarded)
{
    // A console of our own, with keystrokes waiting in its input buffer.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    HANDLE input = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(input, INVALID_HANDLE_VALUE);
    SetStdHandle(STD_INPUT_HANDLE, input);
    INPUT_RECORD keys[4] = {};
    for (INPUT_RECORD &key : keys) {
        key.EventType = KEY_EVENT;
        key.Event.KeyEvent.bKeyDown = TRUE;
        key.Event.KeyEvent.wRepeatCount = 1;
        key.Event.KeyEvent.uChar.AsciiChar = 'x';
    }
    DWORD written = 0, pending = 0;
    ASSERT_TRUE(WriteConsoleInputA(input, keys, 4, &written));
    ASSERT_TRUE(GetNumberOfConsoleInputEvents(input, &pending));
    ASSERT_EQ(pending, 4u);

    OpenWindow window;
    ASSERT_TRUE(GetNumberOfConsoleInputEvents(input, &pending));
    EXPECT_EQ(pending, 0u);
    CloseHandle(input);
}

TEST(ExitLoop, ReturnsAtOnceWithoutAWindow)
{
    state = lumo::GraphicsState();
    lumo::wait_for_close(); // would wait forever for a close that cannot come
    HWND desktop = GetDesktopWindow(); // a window, but not this thread's
    state.window = desktop;
    lumo::wait_for_close();
    EXPECT_EQ(state.display_mode, lumo::MODE_DRAWING);
    state = lumo::GraphicsState();
}

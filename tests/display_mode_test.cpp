#include "test_window.h"

#include <gtest/gtest.h>

using lumo::state;

namespace {

SIZE bitmap_size(HBITMAP bitmap)
{
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

void draw_marks()
{
    SetPixel(state.window_dc, 0, 0, RGB(255, 0, 0));
    SetPixel(state.window_dc, 300, 200, RGB(0, 255, 0));
    SetPixel(state.window_dc, 499, 299, RGB(0, 0, 255));
}

} // namespace

TEST(DisplayMode, EnteringCapturesTheClientAreaAtItsPresentSize)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    SetWindowPos(window.hwnd, nullptr, 0, 0, 508, 327, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(window.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    draw_marks();

    lumo::set_viewing(1);
    EXPECT_EQ(state.display_mode, lumo::MODE_VIEWING);
    EXPECT_EQ(state.canvas_width, 500);
    EXPECT_EQ(state.canvas_height, 300);
    EXPECT_EQ(bitmap_size(state.back_buffer).cx, 500);
    EXPECT_EQ(bitmap_size(state.back_buffer).cy, 300);
    EXPECT_EQ(GetPixel(state.memory_dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(state.memory_dc, 300, 200), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(state.memory_dc, 499, 299), RGB(0, 0, 255));

    EXPECT_FALSE(GetWindowLongA(window.hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(state.max_width, 508);
    EXPECT_EQ(state.max_height, 327);
    EXPECT_EQ(state.max_width_with_bar, 508 + GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(state.max_height_with_bar, 327 + GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(state.start_paint.rcPaint.right, 508);
    EXPECT_EQ(state.start_paint.rcPaint.bottom, 327);

    HDC memory_dc = state.memory_dc;
    lumo::set_viewing(1); // already viewing: nothing changes
    EXPECT_EQ(state.memory_dc, memory_dc);

    lumo::set_viewing(0);
    EXPECT_EQ(state.display_mode, lumo::MODE_DRAWING);
    EXPECT_TRUE(GetWindowLongA(window.hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetObjectType(memory_dc), 0u) << "the memory context is released";
}

TEST(DisplayMode, ViewingRepaintsTheCapturedPictureWhenScrolled)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    draw_marks();
    lumo::set_viewing(1);
    test::drag(window.hwnd, WMSZ_BOTTOMRIGHT, 400, 250);
    SendMessageA(window.hwnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 250), 0);
    SendMessageA(window.hwnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 150), 0);
    ASSERT_EQ(state.h_pos, 250);
    ASSERT_EQ(state.v_pos, 150);
    UpdateWindow(window.hwnd);
    EXPECT_EQ(GetPixel(state.window_dc, 50, 50), RGB(0, 255, 0));
    lumo::set_viewing(0);
}

TEST(DisplayMode, LeavingRestoresTheCallersMapping)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    HDC dc = state.window_dc;
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, -7, 11, nullptr);
    SetWindowExtEx(dc, 320, -200, nullptr);
    SetViewportOrgEx(dc, 3, 5, nullptr);
    SetViewportExtEx(dc, 640, 400, nullptr);

    lumo::set_viewing(1);
    EXPECT_EQ(GetMapMode(dc), MM_TEXT) << "the capture is made in device pixels";
    EXPECT_EQ(state.saved_map_mode, MM_ANISOTROPIC);
    lumo::set_viewing(0);

    POINT point;
    SIZE size;
    EXPECT_EQ(GetMapMode(dc), MM_ANISOTROPIC);
    GetWindowOrgEx(dc, &point);
    EXPECT_EQ(point.x, -7);
    EXPECT_EQ(point.y, 11);
    GetWindowExtEx(dc, &size);
    EXPECT_EQ(size.cx, 320);
    EXPECT_EQ(size.cy, -200);
    GetViewportOrgEx(dc, &point);
    EXPECT_EQ(point.x, 3);
    EXPECT_EQ(point.y, 5);
    GetViewportExtEx(dc, &size);
    EXPECT_EQ(size.cx, 640);
    EXPECT_EQ(size.cy, 400);
}

TEST(DisplayMode, LeavingRestoresASimpleClipRectangleExactly)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    HDC dc = state.window_dc;
    IntersectClipRect(dc, 10, 20, 300, 200);
    lumo::set_viewing(1);
    EXPECT_EQ(state.saved_clip_kind, SIMPLEREGION);
    HRGN during = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, during), 0) << "no clipping while viewing";
    DeleteObject(during);
    lumo::set_viewing(0);

    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetClipRgn(dc, clip), 1);
    RECT box;
    EXPECT_EQ(GetRgnBox(clip, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 300);
    EXPECT_EQ(box.bottom, 200);
    DeleteObject(clip);
}

TEST(DisplayMode, LeavingDropsComplexAndEmptyClipping)
{
    for (bool complex : {true, false}) {
        test::GraphicsWindow window(lumo::MODE_DRAWING);
        HDC dc = state.window_dc;
        HRGN region = complex ? CreateRectRgn(0, 0, 50, 50) : CreateRectRgn(0, 0, 0, 0);
        if (complex) {
            HRGN second = CreateRectRgn(100, 100, 150, 150);
            CombineRgn(region, region, second, RGN_OR);
            DeleteObject(second);
        }
        SelectClipRgn(dc, region);
        DeleteObject(region);

        lumo::set_viewing(1);
        EXPECT_EQ(state.saved_clip_kind, complex ? COMPLEXREGION : NULLREGION);
        lumo::set_viewing(0);
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetClipRgn(dc, clip), 0) << (complex ? "complex" : "empty");
        DeleteObject(clip);
    }
}

TEST(DisplayMode, EnteringAgainFromFinishedReplacesTheBackBuffer)
{
    test::GraphicsWindow window(lumo::MODE_DRAWING);
    lumo::set_viewing(1);
    state.display_mode = lumo::MODE_FINISHED;
    HDC old_dc = state.memory_dc;
    HBITMAP old_bitmap = state.back_buffer;
    draw_marks();
    lumo::set_viewing(1);
    // The old pair is gone (its handles may serve the new pair).
    EXPECT_TRUE(GetObjectType(old_dc) == 0 || old_dc == state.memory_dc);
    EXPECT_TRUE(GetObjectType(old_bitmap) == 0 || old_bitmap == state.back_buffer);
    EXPECT_EQ(GetPixel(state.memory_dc, 300, 200), RGB(0, 255, 0));
    lumo::set_viewing(0);
}

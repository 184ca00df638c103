// The demo picture as plain GDI draws it, without lumo: the same calls, in
// the same order, into a 640x400 bitmap, written as a binary PPM file.
#include <windows.h>

#include <stdio.h>

namespace {

const int width = 640, height = 400;

// Colours 1-7 in palette mode 0, and 6 (yellow) for the fill.
COLORREF bright(int number)
{
    return RGB((number & 2) ? 0xFF : 0, (number & 4) ? 0xFF : 0, (number & 1) ? 0xFF : 0);
}

void outline(HDC dc, int x, int y, int rx, int ry, COLORREF color)
{
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HPEN pen = CreatePen(PS_SOLID, 0, color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    Ellipse(dc, x - rx, y - ry, x + rx + 1, y + ry + 1); // GM_COMPATIBLE leaves out right and bottom
    SelectObject(dc, old_pen);
    DeleteObject(pen);
    SelectObject(dc, old_brush);
}

void title(HDC dc)
{
    HFONT font = CreateFontA(150, 21, 0, 0, FW_MEDIUM, 0, 0, 0, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                             CLIP_TT_ALWAYS, PROOF_QUALITY, VARIABLE_PITCH | FF_ROMAN, "MSMINCHO");
    HGDIOBJ old_font = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    const char text[] = "Windows\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x8C\xA9\x96\x7B";
    TextOutA(dc, 70, 100, text, sizeof text - 1);
    SelectObject(dc, old_font);
    DeleteObject(font);
}

void fill(HDC dc)
{
    HBRUSH brush = CreateSolidBrush(bright(6));
    HGDIOBJ old_brush = SelectObject(dc, brush);
    ExtFloodFill(dc, 500, 300, bright(7), FLOODFILLBORDER);
    SelectObject(dc, old_brush);
    DeleteObject(brush);
}

void draw_picture(HDC dc)
{
    for (int i = 1; i <= 254; ++i)
        outline(dc, 320 - i, 200 - i, 320 + i, 200 + i, bright(i % 7 + 1));
    title(dc);
    outline(dc, 500, 300, 30, 30, bright(7));
    fill(dc);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: demo_reference OUTPUT.ppm\n");
        return 2;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, width, height, BLACKNESS);
    draw_picture(dc);
    GdiFlush();

    FILE *out = fopen(argv[1], "wb");
    if (!out) {
        fprintf(stderr, "demo_reference: cannot write %s\n", argv[1]);
        return 1;
    }
    fprintf(out, "P6\n%d %d\n255\n", width, height);
    const unsigned char *pixel = static_cast<const unsigned char *>(bits);
    for (int i = 0; i < width * height; ++i, pixel += 4) {
        const unsigned char rgb[3] = {pixel[2], pixel[1], pixel[0]};
        fwrite(rgb, 1, 3, out);
    }
    fclose(out);
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return 0;
}

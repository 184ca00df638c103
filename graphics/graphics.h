/*
 * lumo: a graphics window for Windows console programs.
 *
 * Call open_graphics(0) once, then draw. Coordinates are pixels from the
 * canvas's top-left corner, y growing downwards; the canvas is 640 by 400
 * and starts black. Colours are palette numbers 0 to 15 (any other number
 * is white). Every call draws at once; no message loop is needed. When the
 * program ends, the window stays open with the finished picture (it can be
 * moved, resized, scrolled, maximised and minimised) until the user closes
 * it; the process then ends with the program's exit status.
 *
 * Colour numbers in palette mode 0 (any other mode swaps 1-7 with 9-15):
 *   0 black   1 blue       2 red       3 magenta       4 green
 *   5 cyan    6 yellow     7 white     8 dark grey (0x444444)
 *   9-15: the hues of 1-7 at 0x77 instead of 0xFF (15 is grey 0x777777)
 */
#ifndef LUMO_GRAPHICS_H
#define LUMO_GRAPHICS_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* --- Window ------------------------------------------------------------ */

/* Opens the 640x400 window, top-most while the program draws; call once, first. palette_mode as in set_palette_mode. */
void open_graphics(int palette_mode);
/* The window's drawing surface, for changing its mapping mode, clipping or graphics mode with GDI. */
HDC graphics_dc(void);

/* --- Drawing ----------------------------------------------------------- */

/* Outline of the circle with centre (x, y) and radius r. */
void draw_circle(int x, int y, int r, int color);
/* Outline of the ellipse with centre (x, y), horizontal radius rx and vertical radius ry. */
void draw_ellipse(int x, int y, int rx, int ry, int color);
/* Fills from (x, y) outwards with fill_color, up to pixels of exactly border_color. */
void paint_area(int x, int y, int fill_color, int border_color);
/* Writes Shift_JIS text, top-left at (x, y), transparent; the cell is 7x15 pixels times the scales (either <= 0: 7x7); leaves the text colour set. */
void draw_text(int x, int y, const char *text, int color, double width_scale, double height_scale);

/* --- Palette ----------------------------------------------------------- */

/* 0: colours 1-7 are the bright ones and 9-15 the dim ones; any other value: the other way round. */
void set_palette_mode(int mode);
/* The 0x00BBGGRR value of a colour number in the current palette mode. */
COLORREF palette_color(int color);

/* --- Sizes, in pixels, asked afresh on every call ---------------------- */

int screen_width(void);  /* width of the screen */
int screen_height(void); /* height of the screen */
int client_width(void);  /* width of the window's drawing area */
int client_height(void); /* height of the window's drawing area */
int window_width(void);  /* outer width of the window, frame included */
int window_height(void); /* outer height of the window, frame included */

#ifdef __cplusplus
}
#endif

#endif /* LUMO_GRAPHICS_H */

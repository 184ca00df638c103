#!/usr/bin/env python3
"""Checks a captured picture of the demo or an example against what the
drawing calls must produce.

    check_picture.py NAME PNG [REFERENCE.ppm] -- COMMAND...

Runs COMMAND (lumo-capture with --output PNG), which must exit with 0,
then checks PNG by NAME's rules. For the demo, REFERENCE.ppm, the same
picture drawn with plain GDI, must also match pixel for pixel.
"""
import math
import subprocess
import sys
from collections import Counter
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "capture"))
from check_capture import CheckFailed, read_rgb_png  # noqa: E402

BLACK, WHITE, YELLOW = (0, 0, 0), (255, 255, 255), (255, 255, 0)


def bright(number):
    """Colours 1-7 at full intensity, as (r, g, b)."""
    return tuple(0xFF if number & bit else 0 for bit in (2, 4, 1))


def palette(color, mode):
    if color == 0:
        return BLACK
    if color == 8:
        return (0x44,) * 3
    level = 0xFF if (color < 8) == (mode == 0) else 0x77
    return tuple(level if color % 8 & bit else 0 for bit in (2, 4, 1))


class Picture:
    def __init__(self, path):
        self.width, self.height, self.rows = read_rgb_png(path)
        if (self.width, self.height) != (640, 400):
            raise CheckFailed(f"the picture is {self.width}x{self.height}, not 640x400")

    def __getitem__(self, point):
        x, y = point
        return tuple(self.rows[y][3 * x:3 * x + 3])

    def expect(self, point, color, what):
        if self[point] != color:
            raise CheckFailed(f"{what} at {point} is {self[point]}, not {color}")

    def colors_in(self, left, top, right, bottom):
        return Counter(self[x, y] for y in range(top, bottom) for x in range(left, right))


def check_demo(picture):
    for point in ((470, 300), (530, 300), (500, 270), (500, 330)):
        picture.expect(point, WHITE, "the circle's extreme")
    picture.expect((500, 300), YELLOW, "the circle's centre")
    inside = Counter(picture[x, y] for y in range(270, 331) for x in range(470, 531)
                     if math.hypot(x - 500, y - 300) < 29)
    if set(inside) - {YELLOW, WHITE} or inside[YELLOW] < inside[WHITE]:
        raise CheckFailed(f"inside the circle: {dict(inside)}; wanted yellow, crossed by white outlines")
    # The fan of ellipses: black and the seven bright colours, each plenty.
    fan = picture.colors_in(0, 260, 640, 400)
    wanted = {BLACK} | {bright(n) for n in range(1, 8)}
    if set(fan) - wanted:
        raise CheckFailed(f"colours outside the palette below the title: {set(fan) - wanted}")
    for color in wanted:
        if fan[color] < 300:
            raise CheckFailed(f"colour {color} shows on only {fan[color]} pixels of the fan")
    # The title, white, from (70, 100), 150 pixels high, 14 characters of 21 to 42 pixels.
    title = picture.colors_in(70, 100, 70 + 14 * 42, 250)
    if title[WHITE] < 5000:
        raise CheckFailed(f"only {title[WHITE]} white pixels in the title's area")
    if title[BLACK] < title[WHITE]:
        raise CheckFailed("the title's background is not transparent")


def check_against(picture, reference):
    data = Path(reference).read_bytes()
    pixels = data[data.index(b"255\n") + 4:]
    wrong = [(x, y) for y in range(400) for x in range(640)
             if picture[x, y] != tuple(pixels[3 * (640 * y + x):3 * (640 * y + x) + 3])]
    if wrong:
        raise CheckFailed(f"{len(wrong)} pixels differ from plain GDI's picture, first {wrong[0]}")


def check_palette(picture):
    for mode, y in ((0, 110), (1, 300)):
        for color in range(16):
            picture.expect((25 + color * 39, y), palette(color, mode), f"colour {color} in mode {mode}")


def check_target(picture):
    for ring, color in enumerate((2, 6, 1, 4, 5, 3)):
        r = 180 - 30 * ring
        picture.expect((320 + r - 15, 200), bright(color), f"ring {ring}")
        picture.expect((320 - r + 15, 200), bright(color), f"ring {ring}, left side")
        picture.expect((320 + r, 200), WHITE, f"the outline of ring {ring}")
    picture.expect((320, 200), bright(3), "the centre")
    picture.expect((5, 5), BLACK, "the background")


def check_japanese_text(picture):
    lines = ((WHITE, 20, 35), (YELLOW, 50, 80), (bright(5), 100, 160), (bright(2), 200, 380))
    for color, top, bottom in lines:
        found = picture.colors_in(20, top, 640, bottom)
        if found[color] < 50:
            raise CheckFailed(f"no text of colour {color} between rows {top} and {bottom}")


CHECKS = {"demo": check_demo, "palette": check_palette, "target": check_target,
          "japanese_text": check_japanese_text}


def main():
    separator = sys.argv.index("--")
    name, png, *reference = sys.argv[1:separator]
    command = sys.argv[separator + 1:]
    Path(png).unlink(missing_ok=True)
    try:
        status = subprocess.run(command, timeout=90).returncode
        if status != 0:
            raise CheckFailed(f"the capture exited with {status}, not 0")
        picture = Picture(png)
        CHECKS[name](picture)
        if reference:
            check_against(picture, reference[0])
    except (CheckFailed, subprocess.TimeoutExpired) as failure:
        print(f"check_picture: {name}: {failure}", file=sys.stderr)
        return 1
    print(f"check_picture: {name}: the picture is right")
    return 0


if __name__ == "__main__":
    sys.exit(main())

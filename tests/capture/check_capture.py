#!/usr/bin/env python3
"""Runs a lumo-capture command and checks what came of it.

    check_capture.py [--status N] [--stdout REGEX] [--stderr REGEX]
                     [--within SECONDS] [--sample-png FILE]
                     [--awkward-arguments] [--close-with EXE] -- COMMAND...

--sample-png FILE is removed before the run, so that only a picture written
by this run can pass, and must then hold the picture of sample.cpp.
--awkward-arguments appends the arguments that sample.cpp expects after its
status; they are passed from here because CMake's lists would mangle them.
--close-with EXE runs EXE, with the runner that runs lumo-capture.exe in
COMMAND, while COMMAND runs, and wants status 0 from it.
"""
import argparse
import re
import struct
import subprocess
import sys
import time
import zlib
from pathlib import Path

# sample.cpp's picture: a 640x400 background, a rectangle and four corners.
BACKGROUND = (0x10, 0x20, 0x30)
RECTANGLE = (0xC0, 0x40, 0x20)
RECTANGLE_AREA = (100, 50, 300, 150)  # left, top, right, bottom (exclusive)
CORNERS = {
    (0, 0): (0xFF, 0x00, 0x00),
    (639, 0): (0x00, 0xFF, 0x00),
    (0, 399): (0x00, 0x00, 0xFF),
    (639, 399): (0xFF, 0xFF, 0x00),
}

# As in sample.cpp: spaces, quotes and backslashes wherever quoting must keep them.
AWKWARD_ARGUMENTS = ["two words", 'say "hi"', "C:\\dir\\", "", 'a\\\\"b', "tab\there"]


class CheckFailed(Exception):
    pass


def png_chunks(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise CheckFailed("not a PNG file")
    pos = 8
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(kind + body) != crc:
            raise CheckFailed(f"bad CRC in the {kind!r} chunk")
        yield kind, body
        pos += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unfilter(raw, width, height, bpp=3):
    stride = width * bpp
    rows, previous, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up, corner = previous[i], previous[i - bpp] if i >= bpp else 0
            predictor = [0, left, up, (left + up) // 2, paeth(left, up, corner)][kind]
            line[i] = (line[i] + predictor) & 0xFF
        rows.append(line)
        previous = line
    return rows


def read_rgb_png(path):
    """Width, height and rows of (r, g, b) bytes of an 8-bit RGB PNG."""
    chunks = list(png_chunks(Path(path).read_bytes()))
    if chunks[0][0] != b"IHDR" or chunks[-1][0] != b"IEND":
        raise CheckFailed("the PNG does not start with IHDR and end with IEND")
    width, height, depth, color, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if (depth, color, interlace) != (8, 2, 0):
        raise CheckFailed(f"not 24-bit RGB: depth {depth}, colour type {color}, interlace {interlace}")
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    return width, height, unfilter(raw, width, height)


def expected_color(x, y):
    if (x, y) in CORNERS:
        return CORNERS[(x, y)]
    left, top, right, bottom = RECTANGLE_AREA
    return RECTANGLE if left <= x < right and top <= y < bottom else BACKGROUND


def check_sample_png(path):
    width, height, rows = read_rgb_png(path)
    if (width, height) != (640, 400):
        raise CheckFailed(f"the picture is {width}x{height}, not 640x400")
    wrong = [(x, y) for y in range(height) for x in range(width)
             if tuple(rows[y][3 * x:3 * x + 3]) != expected_color(x, y)]
    if wrong:
        x, y = wrong[0]
        found = tuple(rows[y][3 * x:3 * x + 3])
        raise CheckFailed(f"{len(wrong)} pixels differ; first ({x}, {y}) is {found}, "
                          f"not {expected_color(x, y)}")


def runner_of(command):
    """The words before lumo-capture.exe: what runs it."""
    for i, word in enumerate(command):
        if word.endswith("lumo-capture.exe"):
            return command[:i]
    raise CheckFailed("COMMAND does not run lumo-capture.exe")


def run_closer(closer, within):
    status = subprocess.run(closer, timeout=within).returncode
    if status != 0:
        raise CheckFailed(f"{closer[-1]} exited with {status}")


def run(command, within, closer=None):
    start = time.monotonic()
    with subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          text=True) as process:
        try:
            if closer:
                run_closer(closer, within)
            # Output is read to its end: a program left running keeps it open.
            stdout, stderr = process.communicate(timeout=within - (time.monotonic() - start))
        except subprocess.TimeoutExpired:
            raise CheckFailed(f"not finished within {within} s (or a program was left running)")
        finally:
            process.kill()  # nothing to do once it has ended
    sys.stdout.write(stdout)
    sys.stderr.write(stderr)
    print(f"check_capture: status {process.returncode} after {time.monotonic() - start:.1f} s")
    return subprocess.CompletedProcess(command, process.returncode, stdout, stderr)


def check(args):
    if args.sample_png:
        Path(args.sample_png).unlink(missing_ok=True)
    command = args.command + (AWKWARD_ARGUMENTS if args.awkward_arguments else [])
    closer = runner_of(command) + [args.close_with] if args.close_with else None
    done = run(command, args.within, closer)
    if args.status is not None and done.returncode != args.status:
        raise CheckFailed(f"status {done.returncode}, expected {args.status}")
    for name, pattern in (("stdout", args.stdout), ("stderr", args.stderr)):
        if pattern and not re.search(pattern, getattr(done, name)):
            raise CheckFailed(f"{name} does not match {pattern!r}")
    if args.sample_png:
        check_sample_png(args.sample_png)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--status", type=int)
    parser.add_argument("--stdout")
    parser.add_argument("--stderr")
    parser.add_argument("--within", type=float, default=60)
    parser.add_argument("--sample-png")
    parser.add_argument("--awkward-arguments", action="store_true")
    parser.add_argument("--close-with")
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()
    try:
        check(args)
    except CheckFailed as failure:
        print(f"check_capture: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

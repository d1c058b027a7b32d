#!/usr/bin/python3
"""Finds which catalog picture each slot of the game's board shows, from a
screenshot, by its pixels: a slot shows a picture when every pixel of the
picture's board-size pixels, as the build made them (catalog/MakeShown.cpp),
is on the screen where the board puts that slot, unchanged (a picture with
transparency: over the board's white, as Qt's raster engine blends it). The
first row is left out: the name label above overlaps it by 15 twips.

    board-pictures.py SCREENSHOT X Y MENU_HEIGHT SHOWN_DIR

X, Y: where the main window's client area (its menu bar on top) is on the
screen; MENU_HEIGHT: the menu bar's height in pixels; SHOWN_DIR: the build's
catalog/shown folder (files 001 to 101). Prints one line per slot, 1 to 15:
the picture's index, or "?" when no picture's pixels are all there.
Exits 1 when a slot shows none."""
import os
import struct
import subprocess
import sys

import numpy as np

TWIPS_PER_PIXEL = 15
SLACK = 3  # pixels either way around where the twips put a box


def screenshot(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True, check=True)
    width, height = map(int, size.stdout.split())
    rgb = subprocess.run(["convert", path, "-depth", "8", "RGB:-"], capture_output=True, check=True).stdout
    return np.frombuffer(rgb, np.uint8).reshape(height, width, 3).astype(np.int32)


def div255(t):
    """Qt's division by 255 with rounding, as its blending does it."""
    return (t + (t >> 8) + 0x80) >> 8


def shown_on_white(path):
    """A picture's board-size pixels (the raw bytes the build embeds) as they
    show over white: RGB, one row of pixels per row."""
    data = open(path, "rb").read()
    magic, width, height, fmt, per_line = struct.unpack_from("<8siiii", data)
    assert magic == b"TQRAW1\0\0", path
    words = np.frombuffer(data, np.uint32, offset=24).reshape(height, per_line // 4)[:, :width].astype(np.int64)
    a = words >> 24 & 0xFF
    channels = [words >> 16 & 0xFF, words >> 8 & 0xFF, words & 0xFF]
    if fmt == 4:  # RGB32: opaque
        return np.stack(channels, axis=-1)
    if fmt == 5:  # ARGB32: premultiplied first
        channels = [div255(c * a) for c in channels]
    elif fmt != 6:  # ARGB32_Premultiplied as it is
        raise SystemExit(f"{path}: pixel format {fmt} is not one the build makes")
    return np.stack([c + 255 - a for c in channels], axis=-1)  # source over white


def slot_origin(slot, menu):
    """Where the picture box of `slot` (1 to 15) starts in the window: three
    rows of five, 1410 twips wide, 100 apart, rows 2085 twips apart."""
    column, row = (slot - 1) % 5, (slot - 1) // 5
    return (120 + column * 1510) / TWIPS_PER_PIXEL, (1000 + row * 2085) / TWIPS_PER_PIXEL + menu


def shows(screen, picture, left, top):
    picture = picture[1:]
    h, w, _ = picture.shape
    for dy in range(-SLACK, SLACK + 1):
        for dx in range(-SLACK, SLACK + 1):
            x, y = round(left) + dx, round(top) + 1 + dy
            if x >= 0 and y >= 0 and y + h <= screen.shape[0] and x + w <= screen.shape[1] \
                    and np.array_equal(screen[y:y + h, x:x + w], picture):
                return True
    return False


def main():
    if len(sys.argv) != 6:
        raise SystemExit(__doc__)
    screen = screenshot(sys.argv[1])
    x, y, menu = int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    shown = sys.argv[5]
    pictures = {i: shown_on_white(os.path.join(shown, f"{i:03d}")) for i in range(1, 102)}
    missing = 0
    for slot in range(1, 16):
        left, top = slot_origin(slot, menu)
        found = [i for i, p in pictures.items() if shows(screen, p, x + left, y + top)]
        print(found[0] if len(found) == 1 else "?")
        missing += len(found) != 1
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())

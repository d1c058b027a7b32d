#!/usr/bin/python3
"""Reads the names on the game's board from a screenshot, as a player reads
them: each name label is cut out where the board puts it, enlarged and read
by tesseract, and what it reads is taken only when it is one of the catalog's
names, spelt exactly.

    board-words.py SCREENSHOT X Y MENU_HEIGHT CATALOG_TABLE

X, Y: where the main window's client area (its menu bar on top) is on the
screen; MENU_HEIGHT: the menu bar's height in pixels. Prints one line per
slot, 1 to 15: the name read, or "?" when none was read for sure."""
import csv
import re
import subprocess
import sys
import tempfile

TWIPS_PER_PIXEL = 15


def catalog_keys(table):
    """The catalog's names, from the table the build makes the catalog from."""
    with open(table, encoding="utf-8", newline="") as rows:
        return [row["key"] for row in csv.DictReader(rows, delimiter="\t")]


def label_box(slot, menu):
    """Where the name label of `slot` (1 to 15) stands in the window, in pixels:
    three rows of five, 1410 twips wide, 100 apart, rows 2085 twips apart."""
    column, row = (slot - 1) % 5, (slot - 1) // 5
    left = (120 + column * 1510) / TWIPS_PER_PIXEL
    top = (640 + row * 2085) / TWIPS_PER_PIXEL + menu
    return round(left), round(top), 1410 // TWIPS_PER_PIXEL, 375 // TWIPS_PER_PIXEL


# Ways of enlarging a label before it is read: small bold capitals read best
# at different sizes and thresholds, short names especially.
PREPARATIONS = [["-resize", "600%", "-threshold", "55%"], ["-resize", "400%", "-threshold", "60%"],
                ["-resize", "500%", "-threshold", "50%"], ["-resize", "300%"]]


def readings(shot, x, y, w, h):
    """What tesseract reads in the label, once for each preparation."""
    found = []
    with tempfile.NamedTemporaryFile(suffix=".png") as crop:
        for preparation in PREPARATIONS:
            subprocess.run(["convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-colorspace", "Gray",
                            *preparation, "-bordercolor", "white", "-border", "30", crop.name], check=True)
            out = subprocess.run(["tesseract", crop.name, "-", "--psm", "7", "-c",
                                  "tessedit_char_whitelist=ABCDEFGHIJKLMNOPQRSTUVWXYZ"],
                                 capture_output=True, text=True, check=True).stdout
            found.append(re.sub(r"[^A-Z]", "", out.upper()))
    return found


def read_label(shot, x, y, w, h, keys):
    """The catalog name the label shows, when every reading that names one names the same."""
    named = {r for r in readings(shot, x, y, w, h) if r in keys}
    return named.pop() if len(named) == 1 else "?"


def main():
    shot, x, y, menu, table = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), sys.argv[5]
    keys = set(catalog_keys(table))
    for slot in range(1, 16):
        left, top, w, h = label_box(slot, menu)
        print(read_label(shot, x + left, y + top, w, h, keys))


if __name__ == "__main__":
    main()

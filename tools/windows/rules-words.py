#!/usr/bin/python3
"""Reads the intro's rules from a screenshot, as a player reads them: the
label is cut out, enlarged and read by tesseract. The rules read whole when
their last word is read and nearly all their words are: a face too wide for
the label loses its last line, and with it the last word.

    rules-words.py SCREENSHOT X Y WIDTH HEIGHT

X, Y, WIDTH, HEIGHT: the rules label on the screen, in pixels. Prints what
was read, on one line; exits 1 when the rules do not read whole."""
import re
import subprocess
import sys
import tempfile

RULES = ("There are some pictures with their names displayed on the screen. You have 20 seconds to "
         "remember them. Write the correct names of pictures in 2 minutes.")


def words(text):
    """The words of letters alone: figures read differently in faces with old-style ones."""
    return re.findall(r"[a-z]+", text.lower())


def read(path, x, y, width, height):
    with tempfile.NamedTemporaryFile(suffix=".png") as label:
        subprocess.run(["convert", path, "-crop", f"{width}x{height}+{x}+{y}", "+repage", "-colorspace", "Gray",
                        "-resize", "400%", "-threshold", "55%", label.name], check=True)
        out = subprocess.run(["tesseract", label.name, "-", "--psm", "6"], capture_output=True, text=True)
    return " ".join(out.stdout.split())


def main():
    if len(sys.argv) != 6:
        raise SystemExit(__doc__)
    text = read(sys.argv[1], *map(int, sys.argv[2:]))
    print(text)
    expected, seen = words(RULES), words(text)
    found = sum(1 for w in expected if w in seen)
    return 0 if expected[-1] in seen[-3:] and found >= 0.85 * len(expected) else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Write packaging/copyright, the machine-readable (DEP-5) copyright file of
the Debian package, from catalog/CREDITS.md and the licence texts in
catalog/licenses/.

    /usr/bin/python3 tools/make-copyright.py            # write packaging/copyright
    /usr/bin/python3 tools/make-copyright.py --check    # exit 1 if it is out of date

The game's code and files are GPL-3+; each picture keeps the licence of its
source, as the credits table lists it.  tools/make-catalog.sh runs this after
it rewrites the credits, and tests/packaging/check_copyright.py fails when
the two disagree.
"""
import difflib
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CREDITS = os.path.join(ROOT, "catalog", "CREDITS.md")
LICENSES = os.path.join(ROOT, "catalog", "licenses")
OUT = os.path.join(ROOT, "packaging", "copyright")

# Debian's short names where they differ from SPDX's: DEP-5 calls the MIT
# licence of the credits Expat, and writes "or later" as "+".
DEP5_NAME = {"MIT": "Expat"}
HOLDER = "2026 Tavlin Works"

HEADER = f"""\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Tavlin Quorvane
Upstream-Contact: Tavlin Works <games@tavlinworks.example>
Source: https://www.tavlinworks.example/
Comment: Generated from catalog/CREDITS.md by tools/make-copyright.py.
 The pictures are built into the program; the paths below are those of the
 source tree.

Files: *
Copyright: {HOLDER}
License: GPL-3+
"""

# The window and application icons: a frame drawn for the game with the Noto
# Emoji light bulb on it (catalog/CREDITS.md, catalog/licenses/hand-drawn.md).
ICONS = f"""\
Files: app/icons/* designs/icons/* tools/catalog/app-icon.svg
Copyright: {HOLDER}
 Google
License: CC0-1.0 and Apache-2.0
Comment: The cards are drawn for this game (CC0-1.0); the light bulb on
 them is the Noto Emoji "light bulb" (Apache-2.0).
"""

# Licences whose full text Debian ships in /usr/share/common-licenses.
COMMON = {
    "GPL-3+": ("This program is free software: you can redistribute it and/or modify\n"
               "it under the terms of the GNU General Public License as published by\n"
               "the Free Software Foundation, either version 3 of the License, or\n"
               "(at your option) any later version.\n\n"
               "This program is distributed in the hope that it will be useful,\n"
               "but WITHOUT ANY WARRANTY; without even the implied warranty of\n"
               "MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the\n"
               "GNU General Public License for more details.\n\n"
               "On Debian systems, the complete text of the GNU General Public\n"
               "License version 3 can be found in \"/usr/share/common-licenses/GPL-3\"."),
    "Apache-2.0": ("Licensed under the Apache License, Version 2.0 (the \"License\");\n"
                   "you may not use these files except in compliance with the License.\n"
                   "Unless required by applicable law or agreed to in writing, software\n"
                   "distributed under the License is distributed on an \"AS IS\" BASIS,\n"
                   "WITHOUT WARRANTIES OR CONDITIONS OF ANY KIND, either express or implied.\n\n"
                   "On Debian systems, the complete text of the Apache License, Version 2.0\n"
                   "can be found in \"/usr/share/common-licenses/Apache-2.0\"."),
    "CC0-1.0": ("To the extent possible under law, the authors have dedicated these\n"
                "pictures to the public domain worldwide; they are distributed\n"
                "without any warranty.\n\n"
                "On Debian systems, the complete text of the CC0 1.0 Universal\n"
                "Public Domain Dedication can be found in\n"
                "\"/usr/share/common-licenses/CC0-1.0\"."),
}
# Licences not in /usr/share/common-licenses: their text is copied in whole.
FULL_TEXT = {"Expat": ("MIT-flat-color-icons.txt", "Permission is hereby granted"),
             "CC-BY-3.0": ("CC-BY-3.0.txt", "Creative Commons Legal Code")}


def read_credits():
    """The picture rows of the credits table, and its attribution lines."""
    rows, attributions = [], []
    with open(CREDITS, encoding="utf-8") as f:
        for line in f:
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if line.startswith("| ") and len(cells) == 7 and cells[0].isdigit():
                index, key, path, source, icon, licence, author = cells
                rows.append(dict(index=int(index), key=key, path=path, source=source,
                                 icon=icon, licence=licence, author=author))
            elif line.startswith('- "') and " by " in line:
                attributions.append(line[2:].strip())
    if not rows:
        sys.exit("make-copyright: no picture rows in catalog/CREDITS.md")
    return rows, attributions


def picture_files(row):
    """The picture as built into the program, and the artwork it is made from."""
    files = [f"catalog/{row['path']}", f"tools/catalog/svg/{row['index']:03d}-{row['key']}.svg"]
    for f in files:
        if not os.path.isfile(os.path.join(ROOT, f)):
            sys.exit(f"make-copyright: {f}, credited in catalog/CREDITS.md, does not exist")
    return files


def wrap_words(words, width=76):
    """Field continuation lines: one space in front, lines under width."""
    lines, line = [], ""
    for w in words:
        if line and len(line) + 1 + len(w) > width:
            lines.append(line)
            line = w
        else:
            line = f"{line} {w}" if line else w
    return lines + [line]


def field(name, value_lines):
    return f"{name}: {value_lines[0]}\n" + "".join(f" {v}\n" for v in value_lines[1:])


def picture_paragraphs(rows, attributions):
    """One Files paragraph for each source, author and licence."""
    groups = {}
    for r in rows:
        groups.setdefault((r["source"], r["author"], r["licence"]), []).extend(picture_files(r))
    out = []
    for (source, author, licence), files in groups.items():
        text = field("Files", wrap_words(files))
        text += field("Copyright", [author])
        text += field("License", [DEP5_NAME.get(licence, licence)])
        comment = [source]
        if licence == "CC-BY-3.0":
            # The credits name the licence text relative to catalog/.
            comment += [a.replace("(licenses/", "(catalog/licenses/") for a in attributions
                        if f" by {author}," in a]
        text += field("Comment", [w for c in comment for w in wrap_words(c.split())])
        out.append(text)
    return out


def licence_paragraph(name):
    if name in COMMON:
        body = COMMON[name]
    else:
        filename, first = FULL_TEXT[name]
        with open(os.path.join(LICENSES, filename), encoding="utf-8") as f:
            text = f.read()
        body = text[text.index(first):].strip("\n")
    lines = [ln.rstrip() or "." for ln in body.split("\n")]
    text = f"License: {name}\n" + "".join(f" {ln}\n" for ln in lines)
    spdx = [s for s, d in DEP5_NAME.items() if d == name]
    return text + (f"Comment: The licence SPDX calls {spdx[0]}.\n" if spdx else "")


def render():
    rows, attributions = read_credits()
    paragraphs = [HEADER] + picture_paragraphs(rows, attributions)
    paragraphs.append(ICONS)
    paragraphs.append(field("Files", ["docs/*"]) + field("Copyright", [HOLDER, "the authors of the pictures shown"])
                      + "License: GPL-3+ and Apache-2.0 and CC-BY-3.0 and Expat and CC0-1.0\n"
                      + "Comment: Screenshots of the game, showing its pictures.\n")
    used = ["GPL-3+"] + sorted({DEP5_NAME.get(r["licence"], r["licence"]) for r in rows})
    for name in used + [n for n in ("Apache-2.0", "CC0-1.0") if n not in used]:
        paragraphs.append(licence_paragraph(name))
    return "\n".join(paragraphs)


def main():
    text = render()
    if "--check" in sys.argv[1:]:
        with open(OUT, encoding="utf-8") as f:
            old = f.read()
        if old != text:
            sys.stdout.writelines(difflib.unified_diff(old.splitlines(True), text.splitlines(True),
                                                       "packaging/copyright", "regenerated"))
            print("make-copyright: packaging/copyright is out of date; run tools/make-copyright.py")
            return 1
        return 0
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with open(OUT, "w", encoding="utf-8") as f:
        f.write(text)
    print(f"wrote packaging/copyright ({len(read_credits()[0])} pictures)")
    return 0


if __name__ == "__main__":
    sys.exit(main())

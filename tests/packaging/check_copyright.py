#!/usr/bin/python3
"""Checks that a DEP-5 copyright file and catalog/CREDITS.md tell the same
story: every picture in the catalog is credited, and the copyright file gives
each credited picture its licence and its author.

    check_copyright.py SOURCE_DIR [COPYRIGHT_FILE]

COPYRIGHT_FILE defaults to SOURCE_DIR/packaging/copyright.  Reads the file as
a packager's tool would (the last Files paragraph that matches a path wins),
independently of the script that writes it.
"""
import fnmatch
import os
import sys

# The credits name licences as SPDX does; DEP-5 calls the MIT licence Expat.
DEP5_NAME = {"MIT": "Expat"}
failures = []


def fail(message):
    failures.append(message)


def paragraphs(path):
    """DEP-5 paragraphs as dicts of field name to its (joined) value."""
    out, current, last = [], {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip():
                if current:
                    out.append(current)
                current, last = {}, None
            elif line[0] in " \t":
                current[last] += "\n" + line.strip()
            else:
                last, _, value = line.partition(":")
                current[last] = value.strip()
    if current:
        out.append(current)
    return out


def credited_pictures(source):
    rows = []
    with open(os.path.join(source, "catalog", "CREDITS.md"), encoding="utf-8") as f:
        for line in f:
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if len(cells) == 7 and cells[0].isdigit():
                rows.append({"path": "catalog/" + cells[2], "licence": cells[5], "author": cells[6]})
    return rows


def licence_of(files_paragraphs, path):
    """The paragraph that governs path: the last whose patterns match it."""
    found = None
    for p in files_paragraphs:
        if any(fnmatch.fnmatchcase(path, pattern) for pattern in p["Files"].split()):
            found = p
    return found


def check(source, copyright_path):
    paras = paragraphs(copyright_path)
    if not paras or "Format" not in paras[0]:
        fail("the first paragraph is no DEP-5 header")
        return
    files = [p for p in paras if "Files" in p]
    standalone = {p["License"].split("\n")[0] for p in paras if "Files" not in p and "License" in p}
    code = licence_of(files, "game/frmmain.cpp")
    if not code or code["License"] != "GPL-3+":
        fail("the game's code is not under GPL-3+")
    rows = credited_pictures(source)
    if len(rows) != 101:
        fail(f"catalog/CREDITS.md credits {len(rows)} pictures, not 101")
    for row in rows:
        p = licence_of(files, row["path"])
        want = DEP5_NAME.get(row["licence"], row["licence"])
        if not p or p["License"].split("\n")[0] != want:
            got = p["License"].split("\n")[0] if p else "nothing"
            fail(f"{row['path']}: the credits say {row['licence']}, the copyright file {got}")
        elif row["author"] not in p["Copyright"]:
            fail(f"{row['path']}: the copyright file does not name {row['author']}")
    on_disk = {f"catalog/pictures/{n}" for n in os.listdir(os.path.join(source, "catalog", "pictures"))}
    for path in sorted(on_disk - {r["path"] for r in rows}):
        fail(f"{path} is in the catalog but not in its credits")
    for p in files:
        for name in p["License"].split("\n")[0].replace(" and ", " or ").split(" or "):
            if name not in standalone:
                fail(f"licence {name} has no paragraph with its text")


def main():
    source = sys.argv[1]
    copyright_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(source, "packaging", "copyright")
    check(source, copyright_path)
    for f in failures:
        print("FAIL:", f)
    if failures:
        print("Run tools/make-copyright.py after changing catalog/CREDITS.md.")
        return 1
    print("PASS copyright and credits agree")
    return 0


if __name__ == "__main__":
    sys.exit(main())

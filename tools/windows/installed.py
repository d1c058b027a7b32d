#!/usr/bin/python3
"""Reads what installing the game left in a Wine prefix, for
play-under-wine.sh --installer:

    installed.py entries NAME < REG-QUERY-OUTPUT
        the installed programs' entries named NAME, from the output of
        `reg query HKLM\\...\\Uninstall /s`: one line each, the product code,
        then its fields as FIELD=VALUE, tab-separated
    installed.py shortcut FILE.lnk
        a shell link's target, working folder and icon, one per line
    installed.py keys < REGEDIT-EXPORT
        every registry key an export holds, one a line, sorted"""
import re
import struct
import sys

FIELDS = ["DisplayName", "DisplayVersion", "Publisher", "Comments", "InstallLocation", "UninstallString"]


def entries(name, text):
    found, key, values = [], None, {}

    def close():
        if key is not None and values.get("DisplayName") == name:
            found.append((key, values))

    for line in text.replace("\r", "").splitlines():
        if line.startswith("HKEY_"):
            close()
            key, values = line.rsplit("\\", 1)[-1], {}
        elif key is not None:
            m = re.match(r"^    (\S+)    REG_\w+    ?(.*)$", line)
            if m:
                values[m.group(1)] = m.group(2)
    close()
    for key, values in found:
        print("\t".join([key] + [f"{f}={values.get(f, '')}" for f in FIELDS]))


def shortcut(path):
    """The parts of a shell link (MS-SHLLINK) that say what it starts."""
    data = open(path, "rb").read()
    if len(data) < 76 or struct.unpack_from("<I", data, 0)[0] != 0x4C:
        raise SystemExit(f"{path} is no shell link")
    flags = struct.unpack_from("<I", data, 20)[0]
    icon_index = struct.unpack_from("<i", data, 56)[0]
    unicode = flags & 0x80
    at = 76
    if flags & 0x1:  # HasLinkTargetIDList
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = ""
    if flags & 0x2:  # HasLinkInfo: the target's local path
        size, _, info_flags, _, base = struct.unpack_from("<IIIII", data, at)
        if info_flags & 0x1:
            target = data[at + base:data.index(b"\0", at + base)].decode("latin-1")
        at += size
    strings = {}
    for bit, name in [(0x4, "name"), (0x8, "relative"), (0x10, "workdir"), (0x20, "arguments"), (0x40, "icon")]:
        if flags & bit:
            count = struct.unpack_from("<H", data, at)[0]
            at += 2
            width = 2 if unicode else 1
            raw = data[at:at + count * width]
            # Some writers count the terminating NUL too.
            strings[name] = raw.decode("utf-16-le" if unicode else "latin-1").rstrip("\0")
            at += count * width
    print(f"target={target or strings.get('relative', '')}")
    print(f"workdir={strings.get('workdir', '')}")
    print(f"icon={strings.get('icon', '')},{icon_index}")


def keys(text):
    found = {line.strip()[1:-1].lower() for line in text.replace("\r", "").splitlines()
             if line.startswith("[") and line.rstrip().endswith("]")}
    print("\n".join(sorted(found)))


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command == "entries" and len(sys.argv) == 3:
        entries(sys.argv[2], sys.stdin.read())
    elif command == "shortcut" and len(sys.argv) == 3:
        shortcut(sys.argv[2])
    elif command == "keys" and len(sys.argv) == 2:
        keys(sys.stdin.read())
    else:
        raise SystemExit(__doc__)

#!/usr/bin/python3
"""Write tools/catalog/svg/NNN-KEY.svg from the Iconify JSON icon packages.

This is the provenance step, not part of the normal build: the SVGs it
writes are committed, and make-catalog.sh only reads the committed files.
Run it again only to re-derive the art from upstream, e.g.:

    mkdir -p /tmp/art && cd /tmp/art && npm install \
        @iconify-json/noto @iconify-json/game-icons @iconify-json/icon-park \
        @iconify-json/flat-color-icons @iconify-json/mdi
    /usr/bin/python3 tools/catalog/extract-svgs.py /tmp/art/node_modules/@iconify-json

One-colour icons (game-icons, mdi) and the outline icons of icon-park are
recoloured here so they sit with the full-colour Noto art: a fill plus a
darker outline of the same hue.  Rows whose source is "hand-drawn" are
drawn by hand and left alone.
"""
import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

SET_TITLES = {
    "noto": "Noto Emoji (Google), Apache-2.0",
    "game-icons": "game-icons.net, CC-BY-3.0",
    "icon-park": "IconPark (ByteDance), Apache-2.0",
    "mdi": "Material Design Icons (Pictogrammers), Apache-2.0",
    "flat-color-icons": "Flat Color Icons (Icons8), MIT",
}

# One-colour silhouettes: (fill, outline) per icon.  The outline is drawn
# under the fill (paint-order), so it only shows as a rim around the shape
# and around every cut-out detail line.
MONO = {
    ("game-icons", "matchbox"): ("#e8643c", "#7a2812"),
    ("game-icons", "drop-earrings"): ("#f2b632", "#8a5a00"),
    ("game-icons", "pearl-necklace"): ("#f5c542", "#8a5a00"),
    ("game-icons", "delicate-perfume"): ("#f27bb0", "#8e2458"),
    ("game-icons", "bed-lamp"): ("#ffc94d", "#8a5a00"),
    ("game-icons", "towel"): ("#4fb8f0", "#0b5c84"),
    ("mdi", "wardrobe"): ("#c68a4e", "#5d3716"),
    ("mdi", "curtains"): ("#d84343", "#7f1d1d"),
    ("mdi", "fridge"): ("#dbe9f3", "#3d5866"),
}

# icon-park outline icons: plain string substitutions on the body.
ICON_PARK = {
    "dumbbell": [
        ('fill="none" stroke="#000"', 'fill="#8fa4b0" stroke="#37474f"'),
    ],
    "electric-iron": [
        ('stroke="#000"', 'stroke="#1e3a5f"'),
        ('<path stroke-linecap="round" stroke-linejoin="round" d="M5 18.7125',
         '<path fill="#64b5f6" stroke-linecap="round" stroke-linejoin="round" d="M5 18.7125'),
        ('fill="#2F88FF"', 'fill="#ffb300"'),
    ],
}


def icon_of(data, name):
    icons = data["icons"]
    if name in icons:
        return icons[name]
    alias = data.get("aliases", {}).get(name)
    if alias:
        return icons[alias["parent"]]
    raise KeyError(name)


def svg_for(setname, name, data):
    ic = icon_of(data, name)
    w = ic.get("width", data.get("width", 16))
    h = ic.get("height", data.get("height", 16))
    left = ic.get("left", 0)
    top = ic.get("top", 0)
    body = ic["body"]
    if (setname, name) in MONO:
        fill, line = MONO[(setname, name)]
        sw = w / 40.0
        body = body.replace(' fill="currentColor"', "")
        body = (f'<g fill="{fill}" stroke="{line}" stroke-width="{sw:g}" '
                f'stroke-linejoin="round" paint-order="stroke">{body}</g>')
        pad = sw
        left, top, w, h = left - pad, top - pad, w + 2 * pad, h + 2 * pad
    elif setname == "icon-park":
        for old, new in ICON_PARK.get(name, []):
            if old not in body:
                raise SystemExit(f"recolour rule for {name} no longer matches")
            body = body.replace(old, new)
    elif "currentColor" in body:
        raise SystemExit(f"{setname}:{name} is one-colour but has no recolour rule")
    body = re.sub(r"\s+/>", "/>", body)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w:g}" height="{h:g}" '
            f'viewBox="{left:g} {top:g} {w:g} {h:g}">\n'
            f'<!-- {SET_TITLES[setname]}: "{name}" -->\n{body}\n</svg>\n')


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    pkgdir = sys.argv[1]
    sets = {}
    outdir = os.path.join(HERE, "svg")
    os.makedirs(outdir, exist_ok=True)
    with open(os.path.join(HERE, "table.tsv"), encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f][1:]
    for row in rows:
        index, key, setname, name = int(row[0]), row[1], row[2], row[3]
        if setname == "hand-drawn":
            continue
        if setname not in sets:
            with open(os.path.join(pkgdir, setname, "icons.json"), encoding="utf-8") as f:
                sets[setname] = json.load(f)
        path = os.path.join(outdir, f"{index:03d}-{key}.svg")
        with open(path, "w", encoding="utf-8") as f:
            f.write(svg_for(setname, name, sets[setname]))
        print(path)


if __name__ == "__main__":
    main()

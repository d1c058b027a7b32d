#!/usr/bin/python3
"""Build the picture catalog of Tavlin Quorvane from tools/catalog/.

Reads table.tsv (one row per picture: index, key, source set, icon name,
licence, format, width, height, notes; the one description of the catalog,
which the game's build and tests read too), checks the table's statistics, renders every SVG in svg/
with rsvg-convert, composes it centred on a canvas of the row's size and
encodes it with ImageMagick (/usr/bin/convert) or, for .ico files, with the
small writer below.  Then it writes catalog/pictures.qrc, catalog/Entries.inc and
catalog/CREDITS.md, the window icon and the application icons, checks every
file it wrote, and prints one line per picture.

    /usr/bin/python3 tools/catalog/build.py            # build everything
    /usr/bin/python3 tools/catalog/build.py --check    # only check the table
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
CONVERT = "/usr/bin/convert"
IDENTIFY = "/usr/bin/identify"
RSVG = "rsvg-convert"

PICTURES = os.path.join(ROOT, "catalog", "pictures")
EXT = {"jpeg": "jpg", "jpeg-progressive": "jpg", "bmp24": "bmp", "bmp32": "bmp",
       "gif": "gif", "ico6": "ico", "ico1": "ico"}
LICENCE_OF_SET = {"noto": "Apache-2.0", "game-icons": "CC-BY-3.0", "icon-park": "Apache-2.0",
                  "mdi": "Apache-2.0", "flat-color-icons": "MIT", "hand-drawn": "CC0-1.0"}
SET_NAMES = {
    "noto": "Noto Emoji by Google (npm @iconify-json/noto)",
    "game-icons": "game-icons.net (npm @iconify-json/game-icons)",
    "icon-park": "IconPark by ByteDance (npm @iconify-json/icon-park)",
    "mdi": "Material Design Icons by Pictogrammers (npm @iconify-json/mdi)",
    "flat-color-icons": "Flat Color Icons by Icons8 (npm @iconify-json/flat-color-icons)",
    "hand-drawn": "drawn for this game",
}
# game-icons.net credits each icon to its author; the Iconify package has no
# per-icon author field, so the authors are kept here.
GAME_ICONS_AUTHORS = {
    "matchbox": "Delapouite", "drop-earrings": "Delapouite", "pearl-necklace": "Delapouite",
    "delicate-perfume": "Delapouite", "bed-lamp": "Delapouite", "towel": "Delapouite",
}

class Row:
    def __init__(self, fields):
        (self.index, self.key, self.source, self.icon, self.licence, self.format,
         self.width, self.height, self.notes) = fields
        self.index, self.width, self.height = int(self.index), int(self.width), int(self.height)

    @property
    def name(self):
        return f"{self.index:03d}"

    @property
    def path(self):
        return os.path.join(PICTURES, f"{self.name}.{EXT[self.format]}")

    @property
    def svg(self):
        return os.path.join(HERE, "svg", f"{self.name}-{self.key}.svg")

    @property
    def background(self):
        for word in self.notes.replace(";", " ").split():
            if word.startswith("bg="):
                return word[3:]
        return "white"


def load_table():
    with open(os.path.join(HERE, "table.tsv"), encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f if line.strip()]
    header = lines[0].split("\t")
    expect = ["index", "key", "source", "icon", "licence", "format", "width", "height", "notes"]
    if header != expect:
        raise SystemExit(f"table.tsv: header is {header}, expected {expect}")
    rows = []
    for n, line in enumerate(lines[1:], start=2):
        fields = line.split("\t")
        if len(fields) != 9:
            raise SystemExit(f"table.tsv:{n}: {len(fields)} columns, expected 9")
        rows.append(Row(fields))
    return rows


def check_table(rows):
    """Return (errors, report lines) for the table's formats, sizes and statistics."""
    err = []
    if [r.index for r in rows] != list(range(1, 102)):
        err.append("indices must run 1..101 in order")
    for r in rows:
        if r.format not in EXT:
            err.append(f"{r.name}: unknown format {r.format!r}")
        if LICENCE_OF_SET.get(r.source) != r.licence:
            err.append(f"{r.name}: licence {r.licence} does not match source set {r.source}")
        if r.source == "game-icons" and r.icon not in GAME_ICONS_AUTHORS:
            err.append(f"{r.name}: no author known for game-icons {r.icon}")
        if not os.path.exists(r.svg):
            err.append(f"{r.name}: missing {os.path.relpath(r.svg, ROOT)}")
    game = [r for r in rows if r.index >= 2]
    by_fmt = {}
    for r in game:
        by_fmt.setdefault(EXT[r.format], []).append(r)

    def idx(rs):
        return {r.index for r in rs}

    def count(ext):
        return len(by_fmt.get(ext, []))

    prog = [r for r in game if r.format == "jpeg-progressive"]
    if (count("jpg"), count("bmp"), count("gif"), count("ico")) != (79, 11, 8, 2):
        err.append(f"format counts jpg/bmp/gif/ico are {count('jpg')}/{count('bmp')}/"
                   f"{count('gif')}/{count('ico')}, must be 79/11/8/2")
    if idx(prog) != {13}:
        err.append(f"progressive JPEGs are {sorted(idx(prog))}, must be only 13")
    for r in by_fmt.get("bmp", []):
        if not (64 <= r.width <= 256 and 64 <= r.height <= 256):
            err.append(f"{r.name}: BMP {r.width}x{r.height} outside 64..256")
    for r in by_fmt.get("gif", []):
        if not (40 <= r.width <= 200 and 40 <= r.height <= 200):
            err.append(f"{r.name}: GIF {r.width}x{r.height} outside 40..200")
    jpgs = by_fmt.get("jpg", [])
    jw = (min(r.width for r in jpgs), max(r.width for r in jpgs))
    jh = (min(r.height for r in jpgs), max(r.height for r in jpgs))
    if jw[0] < 50 or jh[0] < 50 or jw[1] > 366 or jh[1] > 506:
        err.append(f"JPEG widths {jw} / heights {jh} must lie in 50..366 / 50..506")

    def area(r):
        return r.width * r.height

    smallest = min(game, key=area)
    largest = max(game, key=area)
    tallest = max(game, key=lambda r: r.height)
    if [r.index for r in game if area(r) == area(smallest)] != [34] or area(smallest) != 32 * 32:
        err.append(f"smallest picture is {smallest.name} {smallest.width}x{smallest.height}, "
                   "must be only 034 at 32x32")
    if [r.index for r in game if area(r) == area(largest)] != [16]:
        err.append(f"largest picture is {largest.name}, must be only 016")
    if [r.index for r in game if r.height == tallest.height] != [15]:
        err.append(f"tallest picture is {tallest.name}, must be only 015")
    mid = [r for r in game if 70 <= r.width <= 200 and 70 <= r.height <= 200]
    square = [r for r in game if r.width == r.height]
    wide = [r for r in game if r.width > r.height]
    tall = [r for r in game if r.width < r.height]
    if len(mid) != 77:
        err.append(f"{len(mid)} pictures have both sides in 70..200, must be 77")
    if (len(square), len(wide), len(tall)) != (34, 41, 25):
        err.append(f"square/wider/taller are {len(square)}/{len(wide)}/{len(tall)}, "
                   "must be 34/41/25")
    report = [
        "statistics over the 100 game pictures (002..101):",
        f"  formats: jpg {count('jpg')} (progressive: "
        f"{' '.join(r.name for r in prog)}), bmp {count('bmp')} (32-bit: "
        f"{' '.join(r.name for r in game if r.format == 'bmp32')}), gif {count('gif')}, "
        f"ico {count('ico')}",
        f"  smallest {smallest.name} {smallest.key} {smallest.width}x{smallest.height}; "
        f"largest by area {largest.name} {largest.key} {largest.width}x{largest.height}; "
        f"tallest {tallest.name} {tallest.key} {tallest.width}x{tallest.height}",
        f"  jpg widths {jw[0]}..{jw[1]}, heights {jh[0]}..{jh[1]}",
        f"  both sides within 70..200: {len(mid)}",
        f"  square {len(square)}, wider than high {len(wide)}, higher than wide {len(tall)}",
    ]
    return err, report


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, **kw)


def render_art(svg, size, out):
    """Render an SVG so that it fits a size x size box, transparent background."""
    run([RSVG, "-a", "-w", str(size), "-h", str(size), "-o", out, svg])


def compose(art, width, height, out, background="none"):
    """Trim the art, fit it into width x height less a margin, centre it on the canvas."""
    margin = max(1, round(min(width, height) * 0.06))
    box = f"{width - 2 * margin}x{height - 2 * margin}"
    run([CONVERT, art, "-trim", "+repage", "-filter", "Lanczos", "-resize", box,
         "-background", background, "-gravity", "center", "-extent", f"{width}x{height}",
         "-strip", out])


def flat(background):
    return ["-background", background, "-alpha", "remove", "-alpha", "off"]


def rgba_pixels(png, width, height, colours=None):
    cmd = [CONVERT, png]
    if colours:
        cmd += ["+dither", "-colors", str(colours)]
    cmd += ["-depth", "8", "rgba:-"]
    data = run(cmd, stdout=subprocess.PIPE).stdout
    if len(data) != width * height * 4:
        raise SystemExit(f"{png}: expected {width}x{height} RGBA pixels")
    return data


def ico_image(png, size, bpp):
    """One icon image (BITMAPINFOHEADER, pixels, AND mask) at 32, 24 or 8 bits."""
    px = rgba_pixels(png, size, size, colours=255 if bpp == 8 else None)
    rows = [px[y * size * 4:(y + 1) * size * 4] for y in range(size)][::-1]  # bottom-up
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    xor = bytearray()
    palette = [(0, 0, 0)]
    lookup = {(0, 0, 0): 0}
    for row in rows:
        bits = bytearray(mask_stride)
        line = bytearray()
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            clear = a < 128
            if clear:
                bits[x // 8] |= 0x80 >> (x % 8)
            if bpp == 32:
                line += bytes((b, g, r, a))
            elif bpp == 24:
                line += bytes((0, 0, 0) if clear else (b, g, r))
            else:
                colour = (0, 0, 0) if clear else (r, g, b)
                if colour not in lookup:
                    lookup[colour] = len(palette)
                    palette.append(colour)
                line.append(lookup[colour])
        line += bytes((-len(line)) % 4)
        xor += line
        mask += bits
    if len(palette) > 256:
        raise SystemExit(f"{png}: {len(palette)} colours do not fit an 8-bit icon")
    pal = b""
    if bpp == 8:
        palette += [(0, 0, 0)] * (256 - len(palette))
        pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bpp, 0,
                         len(xor) + len(mask), 0, 0, 256 if bpp == 8 else 0, 0)
    return header + pal + bytes(xor) + bytes(mask)


def write_ico(out, images):
    """images: list of (png, size, bpp)."""
    blobs = [(size, bpp, ico_image(png, size, bpp)) for png, size, bpp in images]
    data = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    body = b""
    for size, bpp, blob in blobs:
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
        body += blob
    with open(out, "wb") as f:
        f.write(data + body)


def write_png_ico(out, pngs):
    """An icon whose entries are PNG files as they are, as Windows (Vista and
    later) reads them; pngs: list of (png, size)."""
    blobs = [(size, open(png, "rb").read()) for png, size in pngs]
    data = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    body = b""
    for size, blob in blobs:
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        body += blob
    with open(out, "wb") as f:
        f.write(data + body)


def art_size(width, height):
    return min(2048, max(512, 4 * max(width, height)))


def build_picture(r, tmp):
    art = os.path.join(tmp, f"{r.name}-art.png")
    render_art(r.svg, art_size(r.width, r.height), art)
    if r.format in ("ico6", "ico1"):
        sizes = [48, 32, 16] if r.format == "ico6" else [32]
        pngs = {}
        for s in sizes:
            pngs[s] = os.path.join(tmp, f"{r.name}-{s}.png")
            compose(art, s, s, pngs[s])
        images = [(pngs[s], s, 32) for s in sizes]
        if r.format == "ico6":
            images += [(pngs[s], s, 8) for s in sizes]
        write_ico(r.path, images)
        return
    canvas = os.path.join(tmp, f"{r.name}.png")
    compose(art, r.width, r.height, canvas)
    bg = r.background
    if r.format == "jpeg" or r.format == "jpeg-progressive":
        interlace = "JPEG" if r.format == "jpeg-progressive" else "None"
        run([CONVERT, canvas, *flat(bg), "-type", "TrueColor", "-sampling-factor", "1x1",
             "-quality", "90", "-interlace", interlace, "-strip", f"JPEG:{r.path}"])
    elif r.format == "bmp24":
        run([CONVERT, canvas, *flat(bg), "-type", "TrueColor", "-strip", f"BMP3:{r.path}"])
    elif r.format == "bmp32":
        run([CONVERT, canvas, "-type", "TrueColorAlpha", "-strip", f"BMP:{r.path}"])
    elif r.format == "gif":
        run([CONVERT, canvas, *flat(bg), "+dither", "-colors", "256", "-strip",
             f"GIF:{r.path}"])


def identify(path):
    out = run([IDENTIFY, "-format", "%m %w %h\n", path], stdout=subprocess.PIPE,
              text=True).stdout.split("\n")
    return [line.split() for line in out if line.strip()]


def jpeg_sof(data):
    """Return the SOF marker byte of a JPEG (0xC0 baseline, 0xC2 progressive)."""
    i = 2
    while i + 4 <= len(data):
        if data[i] != 0xFF:
            raise ValueError("bad JPEG marker")
        marker = data[i + 1]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            return marker
        i += 2 + struct.unpack(">H", data[i + 2:i + 4])[0]
    raise ValueError("no SOF marker")


def ico_directory(data):
    _, kind, count = struct.unpack("<HHH", data[:6])
    entries = []
    for i in range(count):
        w, h, _, _, _, bpp, _, off = struct.unpack("<BBBBHHII", data[6 + 16 * i:22 + 16 * i])
        dib_bpp = struct.unpack("<H", data[off + 14:off + 16])[0]
        entries.append((w or 256, h or 256, dib_bpp))
    return kind, entries


def verify(r):
    """Check the written file's format, size and depth; return a list of faults."""
    faults = []
    with open(r.path, "rb") as f:
        data = f.read()
    frames = identify(r.path)
    fmt = frames[0][0]
    want_fmt = {"jpg": "JPEG", "bmp": ("BMP", "BMP3"), "gif": "GIF", "ico": "ICO"}[EXT[r.format]]
    if fmt not in (want_fmt if isinstance(want_fmt, tuple) else (want_fmt,)):
        faults.append(f"identify says {fmt}")
    if EXT[r.format] != "ico":
        if len(frames) != 1:
            faults.append(f"{len(frames)} frames")
        if (int(frames[0][1]), int(frames[0][2])) != (r.width, r.height):
            faults.append(f"size {frames[0][1]}x{frames[0][2]}")
    if EXT[r.format] == "jpg":
        want = 0xC2 if r.format == "jpeg-progressive" else 0xC0
        if jpeg_sof(data) != want:
            faults.append(f"SOF marker {jpeg_sof(data):#x}, expected {want:#x}")
    if EXT[r.format] == "bmp":
        header_size, bpp = struct.unpack("<I", data[14:18])[0], struct.unpack("<H", data[28:30])[0]
        want = 24 if r.format == "bmp24" else 32
        if bpp != want:
            faults.append(f"{bpp}-bit BMP, expected {want}")
        if want == 32 and (header_size < 56 or struct.unpack("<I", data[66:70])[0] == 0):
            faults.append("32-bit BMP without an alpha mask")
    if EXT[r.format] == "ico":
        kind, entries = ico_directory(data)
        want = ([(48, 48, 32), (32, 32, 32), (16, 16, 32), (48, 48, 8), (32, 32, 8),
                 (16, 16, 8)] if r.format == "ico6" else [(32, 32, 32)])
        if kind != 1 or entries != want:
            faults.append(f"icon images {entries}, expected {want}")
        if [(int(w), int(h)) for _, w, h in frames] != [(w, h) for w, h, _ in want]:
            faults.append("identify reads other icon sizes")
    return faults


def write_qrc(rows):
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/catalog">']
    for r in rows:
        lines.append(f'    <file alias="{r.name}">pictures/{os.path.basename(r.path)}</file>')
    lines += ['</qresource>', '</RCC>', '']
    with open(os.path.join(ROOT, "catalog", "pictures.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def write_entries(rows):
    # What the catalog compiles in: each entry's key and picture size, in catalog order.
    lines = ["// Written by tools/catalog/build.py from tools/catalog/table.tsv: each entry's key and size."]
    lines += [f'    {{"{r.key}", {r.width}, {r.height}}},' for r in rows] + [""]
    with open(os.path.join(ROOT, "catalog", "Entries.inc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def write_credits(rows):
    with open(os.path.join(HERE, "credits-head.md"), encoding="utf-8") as f:
        out = [f.read().rstrip("\n"), ""]
    out += ["| # | key | file | source | icon | licence | author |",
            "|---|-----|------|--------|------|---------|--------|"]
    for r in rows:
        author = {"noto": "Google", "icon-park": "ByteDance", "mdi": "Pictogrammers",
                  "flat-color-icons": "Icons8", "hand-drawn": "Tavlin Quorvane developers",
                  "game-icons": GAME_ICONS_AUTHORS.get(r.icon, "?")}[r.source]
        changed = " (recoloured)" if "recoloured" in r.notes else ""
        out.append(f"| {r.index} | {r.key} | pictures/{os.path.basename(r.path)} | "
                   f"{SET_NAMES[r.source]} | {r.icon}{changed} | {r.licence} | {author} |")
    game_icons = sorted({(GAME_ICONS_AUTHORS[r.icon], r.icon) for r in rows
                         if r.source == "game-icons"})
    out += ["", "## Attribution for the game-icons.net pictures (CC BY 3.0)", ""]
    for author, icon in game_icons:
        out.append(f"- \"{icon}\" by {author}, https://game-icons.net, licensed under "
                   "CC BY 3.0 (licenses/CC-BY-3.0.txt); recoloured for this game.")
    out.append("")
    with open(os.path.join(ROOT, "catalog", "CREDITS.md"), "w", encoding="utf-8") as f:
        f.write("\n".join(out))


def build_app_icons(tmp):
    """Window icon (designs/icons/frmmain.ico) and the hicolor application icons."""
    src = os.path.join(HERE, "app-icon.svg")
    apps = os.path.join(ROOT, "app", "icons")
    os.makedirs(os.path.join(ROOT, "designs", "icons"), exist_ok=True)
    os.makedirs(apps, exist_ok=True)
    shutil.copyfile(src, os.path.join(apps, "tavlin-quorvane.svg"))
    written = [os.path.join(apps, "tavlin-quorvane.svg")]
    for size in (16, 32, 48, 64, 128, 256):
        d = os.path.join(apps, "hicolor", f"{size}x{size}", "apps")
        os.makedirs(d, exist_ok=True)
        out = os.path.join(d, "tavlin-quorvane.png")
        raw = os.path.join(tmp, f"app-{size}.png")
        run([RSVG, "-w", str(size), "-h", str(size), "-o", raw, src])
        run([CONVERT, raw, "-strip", "-define", "png:exclude-chunks=date,time",
             f"PNG32:{out}"])
        written.append(out)
    # The program's icon on Windows (app/tavlin-quorvane.rc), from the same PNGs.
    program_ico = os.path.join(apps, "tavlin-quorvane.ico")
    write_png_ico(program_ico, [(os.path.join(apps, "hicolor", f"{size}x{size}", "apps", "tavlin-quorvane.png"), size)
                                for size in (16, 32, 48, 256)])
    written.append(program_ico)
    ico = os.path.join(ROOT, "designs", "icons", "frmmain.ico")
    png32 = os.path.join(tmp, "app-32.png")
    write_ico(ico, [(png32, 32, 8), (png32, 32, 24), (png32, 32, 32)])
    kind, entries = ico_directory(open(ico, "rb").read())
    if entries != [(32, 32, 8), (32, 32, 24), (32, 32, 32)]:
        raise SystemExit(f"frmmain.ico has {entries}")
    written.append(ico)
    return written


def main():
    rows = load_table()
    errors, report = check_table(rows)
    print("\n".join(report))
    if errors:
        print("\nTABLE CHECK FAILED:", file=sys.stderr)
        for e in errors:
            print("  " + e, file=sys.stderr)
        sys.exit(1)
    print("statistics OK")
    if "--check" in sys.argv[1:]:
        return
    os.makedirs(PICTURES, exist_ok=True)
    for name in os.listdir(PICTURES):
        os.remove(os.path.join(PICTURES, name))
    faults = []
    total = 0
    with tempfile.TemporaryDirectory(prefix="tq-catalog-") as tmp:
        for r in rows:
            build_picture(r, tmp)
            size = os.path.getsize(r.path)
            total += size
            print(f"{r.name}  {r.key:<13} {r.format:<17} {r.width:>3}x{r.height:<3} "
                  f"{size:>7} bytes  {os.path.relpath(r.path, ROOT)}")
            faults += [f"{r.name} {r.key}: {f}" for f in verify(r)]
        write_qrc(rows)
        write_entries(rows)
        write_credits(rows)
        icons = build_app_icons(tmp)
    print(f"{len(rows)} pictures, {total} bytes; wrote catalog/pictures.qrc, catalog/Entries.inc, catalog/CREDITS.md")
    for path in icons:
        print(f"icon  {os.path.getsize(path):>7} bytes  {os.path.relpath(path, ROOT)}")
    if faults:
        print("\nOUTPUT CHECK FAILED:", file=sys.stderr)
        for f in faults:
            print("  " + f, file=sys.stderr)
        sys.exit(1)
    print("all files checked: format, size, depth and interlace as in the table")


if __name__ == "__main__":
    main()

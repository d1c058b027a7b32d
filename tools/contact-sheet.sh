#!/bin/sh
# Make docs/catalog.png: every catalog picture fitted into 94x94 px (the
# size of a board cell, keeping proportions) with its index and key beneath.
# Pictures with transparency show the grey sheet through.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
table="$root/tools/catalog/table.tsv"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$root/docs"
tail -n +2 "$table" | while IFS='	' read -r index key source icon licence format width height notes; do
    n=$(printf '%03d' "$index")
    file=$(ls "$root/catalog/pictures/$n".* | head -n 1)
    # .ico: use the first (largest) image
    case "$file" in *.ico) file="$file[0]" ;; esac
    /usr/bin/convert "$file" -strip -resize 94x94 -background "#d9dde3" -alpha remove -alpha off -set label "$index $key" "$tmp/$n.miff"
done
/usr/bin/montage "$tmp"/*.miff -font DejaVu-Sans -pointsize 11 \
    -geometry 94x94+5+4 -tile 10x -background '#d9dde3' \
    -depth 8 -strip -define png:exclude-chunks=date,time "PNG24:$root/docs/catalog.png"
/usr/bin/identify "$root/docs/catalog.png"

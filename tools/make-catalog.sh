#!/bin/sh
# Regenerate the picture catalog (catalog/pictures/, catalog/pictures.qrc,
# catalog/CREDITS.md), the window/application icons and the Debian package's
# copyright file (packaging/copyright) from the sources in tools/catalog/.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick (/usr/bin/convert,
# /usr/bin/identify).  Prints index, key, format, size and bytes of every file
# it writes; fails if the table or an output is wrong.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
for tool in rsvg-convert /usr/bin/convert /usr/bin/identify /usr/bin/python3; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "make-catalog: $tool not found (apt-get install librsvg2-bin imagemagick python3)" >&2
        exit 1
    }
done
/usr/bin/python3 "$here/catalog/build.py" "$@"
# The Debian package's copyright file follows the credits.
case " $* " in
*" --check "*) ;;
*) /usr/bin/python3 "$here/make-copyright.py" ;;
esac

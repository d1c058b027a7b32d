#!/usr/bin/env bash
# Builds the game for 64-bit Windows against the Qt that
# tools/windows/build-qt.sh made, and gathers what a player needs into
# build-windows/tavlin-quorvane-windows/, zipped as
# build-windows/tavlin-quorvane-windows.zip: the program, the Qt and mingw
# runtime DLLs it loads, Qt's platform, style and picture-format plugins, and
# the licences, and in fonts/ the free faces that stand in for the designed
# ones, as on Linux: EB Garamond for Garamond, which a stock Windows lacks, and
# Liberation Sans and DejaVu Sans for Arial and Verdana, for a Windows without
# them. The game loads them for itself only when a designed face and its
# stand-in are both missing, and uses a stand-in only where its face is
# missing. Unzip anywhere on Windows and start tavlin-quorvane.exe. tools/windows/build-installer.sh packs the same folder
# as an installer.
#
# The board's pictures are made at their shown size by the build machine's
# own build of the maker (catalog/MakeShown.cpp), from the same source, and
# embedded in the program as on Linux.
#
# Only the game is built (no tests, no benchmarks), at the lowest priority
# with -j2 (TQ_JOBS).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source=tools/windows/common.sh
. "$here/common.sh"

tq_windows_install g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  mingw-w64-x86-64-dev cmake ninja-build g++ qt6-base-dev zip \
  fonts-ebgaramond fonts-liberation2 fonts-dejavu-core

qt=$(tq_windows_qt_prefix)
if [ ! -f "$qt/.complete" ]; then
  echo "No Windows Qt in $qt: run tools/windows/build-qt.sh first" >&2
  exit 1
fi

build=${TQ_WINDOWS_BUILD:-$repo/build-windows}
name=tavlin-quorvane-windows
stage=$build/$name
jobs=${TQ_JOBS:-2}
triple=x86_64-w64-mingw32

# The maker of the board-size pixels, built for the build machine as
# ./run.sh builds it; the cross build runs it.
cmake -S "$repo" -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTQ_BUILD_TESTS=OFF -DTQ_BUILD_BENCH=OFF >/dev/null
nice -n 19 cmake --build "$build/host" -j "$jobs" --target tq-catalog-shown
maker=$build/host/catalog/tq-catalog-shown

# Qt's own toolchain file finds the Windows Qt and the build machine's Qt
# tools, and loads the mingw toolchain.
cmake -S "$repo" -B "$build/game" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release \
  -DTQ_BUILD_TESTS=OFF -DTQ_BUILD_BENCH=OFF -DTQ_HOST_CATALOG_SHOWN="$maker"
start=$(date +%s)
nice -n 19 cmake --build "$build/game" -j "$jobs" --target tavlin-quorvane
echo "Built the game in $(( $(date +%s) - start )) s"
shown=$(find "$build/game/catalog/shown" -type f 2>/dev/null | wc -l)
[ "$shown" -eq 203 ] || { echo "The board-size pixels were not made ($shown of 203 files)" >&2; exit 1; }
echo "Embedded the board-size and uncovered pixels of all 101 pictures, made by $maker"

# The folder a player unzips: the program and the plugins Qt loads by name
# at run time, then every DLL these import that Windows does not have.
rm -rf "$stage" "$build/$name.zip"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/imageformats"
cp "$build/game/app/tavlin-quorvane.exe" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
# The Windows style: qwindowsvistastyle up to Qt 6.6, qmodernwindowsstyle from 6.7.
cp "$qt"/plugins/styles/*.dll "$stage/styles/"
# BMP and PNG are read by Qt itself; these three come as plugins.
for format in qjpeg qgif qico; do
  cp "$qt/plugins/imageformats/$format.dll" "$stage/imageformats/"
done

gcc_runtime=$(dirname "$("$triple-g++-posix" -print-file-name=libstdc++-6.dll)")
search=("$qt/bin" "$gcc_runtime" "/usr/$triple/lib")
imports_of() {
  "$triple-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'
}
find_dll() {
  local d
  for d in "${search[@]}"; do
    [ -f "$d/$1" ] && { echo "$d/$1"; return 0; }
  done
  return 1
}
# Breadth-first over the import tables; a DLL found in none of the folders
# above is Windows' own (user32, kernel32, the C runtime...).
queue=("$stage/tavlin-quorvane.exe" "$stage"/platforms/*.dll "$stage"/styles/*.dll "$stage"/imageformats/*.dll)
system_dlls=()
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    [ -n "$dll" ] || continue
    [ -f "$stage/$dll" ] && continue
    if found=$(find_dll "$dll"); then
      cp "$found" "$stage/$dll"
      queue+=("$stage/$dll")
    else
      system_dlls+=("$(echo "$dll" | tr '[:upper:]' '[:lower:]')")
    fi
  done < <(imports_of "$file")
done
for required in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  [ -f "$stage/$required" ] || { echo "$required was not gathered" >&2; exit 1; }
done
"$triple-strip" --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

# The stand-ins, regular and bold, the files the Linux build finds them in.
mkdir -p "$stage/fonts"
faces=(fonts-ebgaramond:/usr/share/fonts/opentype/ebgaramond/EBGaramond12-{Regular,Bold}.otf
       fonts-liberation2:/usr/share/fonts/truetype/liberation2/LiberationSans-{Regular,Bold}.ttf
       fonts-dejavu-core:/usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold}.ttf)
for face in "${faces[@]}"; do
  cp "${face#*:}" "$stage/fonts/"
done

# The licences: the game's, its pictures', and those of what it ships with.
mkdir -p "$stage/licences"
cp "$repo/LICENSE" "$stage/licences/tavlin-quorvane-GPL-3.0-or-later.txt"
cp "$repo/packaging/copyright" "$stage/licences/copyright.txt"
cp "$repo/catalog/CREDITS.md" "$stage/licences/picture-credits.md"
cp -r "$repo/catalog/licenses" "$stage/licences/pictures"
qt_src=$(tq_windows_qt_source)
for l in LGPL-3.0-only GPL-3.0-only; do
  cp "$qt_src/LICENSES/$l.txt" "$stage/licences/qt-$l.txt"
done
# The faces' notices and licences: their Debian packages' copyright files.
mkdir -p "$stage/licences/fonts"
for package in $(printf '%s\n' "${faces[@]}" | cut -d: -f1 | sort -u); do
  cp "/usr/share/doc/$package/copyright" "$stage/licences/fonts/$package-copyright.txt"
done
qt_version=$(tq_windows_qt_version)
cat > "$stage/licences/README.txt" <<EOF
Tavlin Quorvane is free software under the GNU General Public License,
version 3 or later (tavlin-quorvane-GPL-3.0-or-later.txt); copyright.txt and
picture-credits.md list the authors and licences of its pictures.

The Qt $qt_version DLLs and plugins are Qt's base libraries, used under the GNU
Lesser General Public License, version 3 (qt-LGPL-3.0-only.txt), built
unmodified from Debian's qt6-base $qt_version source package. libstdc++-6.dll and
libgcc_s_seh-1.dll are GCC's runtime (GPL-3.0 with the GCC Runtime Library
Exception); libwinpthread-1.dll is mingw-w64's thread library (MIT licence).

The faces in fonts/ stand in for the designed faces where Windows lacks
them: EB Garamond for Garamond (Georg Duffner's, SIL Open Font License 1.1),
Liberation Sans for Arial (SIL Open Font License 1.1) and DejaVu Sans for
Verdana (the Bitstream Vera licence), as Debian ships them; fonts/ here holds
their notices and licences.
EOF

(cd "$build" && TZ=UTC zip -q -X -r "$name.zip" "$name")
echo "Windows DLLs it relies on: $(printf '%s\n' "${system_dlls[@]}" | sort -u | tr '\n' ' ')"
echo "Made $build/$name.zip ($(du -h "$build/$name.zip" | cut -f1)) from $stage:"
(cd "$build" && find "$name" -type f ! -path '*/licences/*' | sort)

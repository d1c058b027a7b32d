#!/usr/bin/env bash
# Makes the game's Windows Installer package, tavlin-quorvane-<version>-x64.msi,
# with wixl from the folder build-game.sh staged (the same files as the zip):
#   tools/windows/build-installer.sh [--version X.Y.Z] [--stage DIR] [--out DIR]
# The version is the project's (CMakeLists.txt) unless --version names
# another: the play-through makes an older package of the same files with it,
# to check the upgrade. The package goes to build-windows/ (--out).
# tools/windows/tavlin-quorvane.wxs says what the package does.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source=tools/windows/common.sh
. "$here/common.sh"

build=${TQ_WINDOWS_BUILD:-$repo/build-windows}
stage=$build/tavlin-quorvane-windows
out=$build
version=$(sed -n 's/^project(TavlinQuorvane VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
while [ $# -gt 0 ]; do
  case $1 in
    --version) version=$2; shift 2 ;;
    --stage) stage=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    *) echo "usage: $0 [--version X.Y.Z] [--stage DIR] [--out DIR]" >&2; exit 2 ;;
  esac
done
# Windows Installer compares the first three fields, each at most 255 for the
# first two and 65535 for the third: a version outside that would never upgrade.
if ! [[ $version =~ ^([0-9]+)\.([0-9]+)\.([0-9]+)$ ]] ||
   [ "${BASH_REMATCH[1]}" -gt 255 ] || [ "${BASH_REMATCH[2]}" -gt 255 ] || [ "${BASH_REMATCH[3]}" -gt 65535 ]; then
  echo "A package version is three numbers, at most 255.255.65535: not '$version'" >&2
  exit 2
fi
[ -f "$stage/tavlin-quorvane.exe" ] || { echo "No $stage/tavlin-quorvane.exe: run tools/windows/build-game.sh first" >&2; exit 1; }
stage=$(cd "$stage" && pwd)

tq_windows_install wixl

mkdir -p "$out"
msi=$out/tavlin-quorvane-$version-x64.msi
work=$(mktemp -d /tmp/tq-msi.XXXXXX)
trap 'rm -rf "$work"' EXIT

# Every file of the folder but the program (which tavlin-quorvane.wxs holds,
# with its shortcut) becomes a component of its own; wixl-heat names each
# after its path, so that a file keeps its component from version to version.
(cd "$stage" && find . -type f ! -path ./tavlin-quorvane.exe | LC_ALL=C sort | sed "s|^\./|$stage/|") |
  wixl-heat --var var.SourceDir --directory-ref INSTALLDIR --component-group Payload --win64 -p "$stage/" \
  >"$work/payload.wxs"

# wixl takes the files' paths relative to the folder it runs in.
ln -s "$stage" "$work/stage"
cp "$repo/app/icons/tavlin-quorvane.ico" "$here/tavlin-quorvane.wxs" "$work/"
(cd "$work" && wixl -a x64 -D Version="$version" -D SourceDir=stage -D Win64=yes -D Icon=tavlin-quorvane.ico \
   -o package.msi tavlin-quorvane.wxs payload.wxs)
mv "$work/package.msi" "$msi"
files=$(find "$stage" -type f | wc -l)
echo "Made $msi ($(du -h "$msi" | cut -f1), version $version, $files files)"

#!/usr/bin/env bash
# Checks the Windows side of the intro window without Windows: cross-compiles
# the user32 transparency backend (intro/LayeredWindowWin32.cpp) with a small
# probe program (tools/windows-check/probe.cpp) and runs it under Wine on a
# virtual X display. The probe makes windows the way Qt makes the intro (a
# popup owned by a hidden window), fades them, prints what each call leaves
# behind and checks it; this script fails when a check does. Wine has no
# taskbar: whether a button would show is judged by Windows' rule for owned
# windows, not seen. Installs mingw-w64, Wine and Xvfb when they are missing
# (about 1.4 GB), so it is kept apart from ./test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++-mingw-w64-x86-64 wine wine64 xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

out=${WINDOWS_CHECK_DIR:-build-windows-check}
mkdir -p "$out"
compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null || compiler=x86_64-w64-mingw32-g++
"$compiler" -std=c++20 -O2 -Wall -Wextra -static -I. \
  tools/windows-check/probe.cpp intro/LayeredWindowWin32.cpp \
  -luser32 -o "$out/transparency-probe.exe"
echo "Built $out/transparency-probe.exe"

wine=wine
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
export WINEPREFIX=${WINEPREFIX:-$PWD/$out/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  $wine wineboot --init >/dev/null 2>&1 || true
  $wine '$out/transparency-probe.exe'
  status=\$?
  wineserver -k >/dev/null 2>&1 || true
  exit \$status"

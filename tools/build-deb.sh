#!/usr/bin/env bash
# Builds the game's Debian package into build-deb/ as a packager would
# (Release, installed under /usr, no tests) and prints the package's path
# on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
tq_install "${tq_game_packages[@]}" dpkg-dev file >&2
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DTQ_BUILD_TESTS=OFF -DTQ_BUILD_BENCH=OFF "${launcher[@]}" >&2
cmake --build build-deb -j "$(nproc)" >&2
rm -f build-deb/tavlin-quorvane_*.deb
(cd build-deb && cpack -G DEB >&2)
deb=$(echo "$PWD"/build-deb/tavlin-quorvane_*.deb)
[ -f "$deb" ] || { echo "cpack made no package" >&2; exit 1; }
echo "$deb"

#!/usr/bin/env bash
# Installs what building and playing needs, when it is missing, builds the
# game alone into build-game/ and starts it. The tests and their tools are
# ./test.sh's business: a player waits for neither.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
tq_install "${tq_game_packages[@]}"
tq_build build-game -DCMAKE_BUILD_TYPE=Release -DTQ_BUILD_TESTS=OFF -DTQ_BUILD_BENCH=OFF
exec ./build-game/app/tavlin-quorvane "$@"

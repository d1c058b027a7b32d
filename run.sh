#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
tq_install "${tq_packages[@]}"
tq_build build
exec ./build/app/tavlin-quorvane "$@"

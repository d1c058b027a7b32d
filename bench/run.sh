#!/usr/bin/env bash
# Runs the benchmarks and prints one table: figure, median, min, max,
# baseline, ratio, target, ok.
#   bench/run.sh                 full run (a few minutes)
#   bench/run.sh --quick         about 50 s; exits non-zero when a target is missed
#   bench/run.sh --real-clocks   also runs a whole game on the real 1000 ms clocks (+2.5 min)
# Builds into build-bench/ (Release) unless TQ_BENCH_BUILD names another folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
tq_install "${tq_packages[@]}" libbenchmark-dev xvfb python3 binutils

build=${TQ_BENCH_BUILD:-build-bench}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTQ_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j 2 >/dev/null

# A private X server for the xcb figures; it goes when the run ends.
displayfile=$(mktemp)
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.05
done
display=":$(head -n1 "$displayfile")"
[ "$display" != ":" ] || { echo "Xvfb did not start" >&2; exit 2; }

python3 bench/harness.py --build "$build" --display "$display" "$@"

#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test; then
# builds again with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the suite there with leak detection on.
#
#   TQ_ASAN=0 ./test.sh    skips the sanitizer run
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
tq_install "${tq_packages[@]}"
tq_build build
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")

[ "${TQ_ASAN:-1}" = 0 ] && exit 0

# Sanitizer run. Any report fails it: AddressSanitizer stops at the first
# memory error, undefined behaviour aborts (-fno-sanitize-recover), and a leak
# at exit gives a failing exit code. The packaging checks are left out: they
# look at installed files, not at memory. Benchmarks are not built here.
# Configured every time, so that an existing build-asan/ cannot run unsanitized.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQ_SANITIZE=ON -DTQ_BUILD_BENCH=OFF > /dev/null
cmake --build build-asan -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" -LE packaging)

#!/usr/bin/env bash
# Runs one test program of the sanitizer build.
#
# LeakSanitizer checks for leaks at exit by stopping every thread from a tracer
# thread of its own. Now and then that tracer crashes ("Tracer caught signal
# 11", then "LeakSanitizer has encountered a fatal error"): a failure of the
# tool, which has then checked nothing, not a finding about the program. In
# that one case the program is run once more. A sanitizer report, a failed
# test or any other failure fails at once, as it comes.
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT

findings='ERROR: AddressSanitizer|ERROR: LeakSanitizer: detected|runtime error:|^FAIL!'
for attempt in 1 2; do
  "$@" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  [ "$rc" -eq 0 ] && exit 0
  if [ "$attempt" -eq 1 ] \
     && grep -q 'LeakSanitizer has encountered a fatal error' "$log" \
     && ! grep -qE "$findings" "$log"; then
    echo "run-sanitized: LeakSanitizer itself failed at exit, having checked nothing; running the test once more"
    continue
  fi
  exit "$rc"
done

#!/usr/bin/env bash
# Runs the README's commands on a fresh Debian of any suite, as CI runs them:
# makes (or reuses) a minimal root of the suite with debootstrap, clones this
# repository's HEAD into it afresh, and runs a command in the clone as root
# with CI=true. Needs root (debootstrap, chroot, mount) and Debian's mirror;
# not part of ./test.sh.
#
#   tools/fresh-root.sh trixie                 ./test.sh in a Debian 13 root
#   tools/fresh-root.sh bookworm ./test.sh     the same on Debian 12
#   tools/fresh-root.sh trixie --play          ./run.sh under Xvfb: it must
#       install, build and start the game; Start is pressed, the board is
#       photographed, Ctrl+Q ends the game, and ./run.sh must exit 0
#   tools/fresh-root.sh --recreate trixie ...  throw the root away first
#
# The root lives in build-fresh-root/<suite>/ (TQ_FRESH_ROOTS for another
# folder); logs and screenshots land in build-fresh-root/. Only committed work
# is cloned.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
source tools/fresh-root-lib.sh

recreate=0
[ "${1:-}" = --recreate ] && { recreate=1; shift; }
[ $# -ge 1 ] || { echo "usage: $0 [--recreate] SUITE [--play | COMMAND...]" >&2; exit 2; }
suite=$1; shift
[ $# -gt 0 ] || set -- ./test.sh
[ "$(id -u)" -eq 0 ] || { echo "fresh-root: run as root (debootstrap, chroot, mount)" >&2; exit 2; }

roots=$(realpath -m "${TQ_FRESH_ROOTS:-build-fresh-root}")
root=$roots/$suite
mkdir -p "$roots"
trap fresh_cleanup EXIT

fresh_make_root "$suite" "$root" "$recreate"
fresh_mount_all "$root"

clone=/root/tavlin-quorvane
fresh_say "cloning $(git rev-parse --short HEAD) into $root$clone"
rm -rf "$root$clone"
git clone -q --no-hardlinks "$PWD" "$root$clone"

# Runs a command in the clone as CI runs it: root, CI=true, no standard input.
in_clone() {
  chroot "$root" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 CI=true "$@" bash -c "cd $clone && $command" < /dev/null
}

# ./run.sh on a display of its own: the game must start, show the board after
# Start and end with status 0 on Ctrl+Q.
play() {
  tq_install xdotool imagemagick
  fresh_start_xvfb "$root" "$roots/$suite-display.log"
  local log=$roots/$suite-run.log shot=$roots/$suite-run-board.png window=""
  fresh_say "./run.sh on $fresh_display (log: $log)"
  command=./run.sh
  in_clone "$fresh_display" > "$log" 2>&1 &
  local run=$!
  # run.sh installs and builds first: wait for the intro as long as that takes.
  for _ in $(seq 1800); do
    window=$(env -i "$fresh_display" xdotool search --onlyvisible --name '^Tavlin Quorvane$' 2>/dev/null | head -n1) || true
    [ -n "$window" ] && break
    kill -0 $run 2>/dev/null || { tail -20 "$log"; fresh_fail "./run.sh ended before the intro showed"; }
    sleep 1
  done
  [ -n "$window" ] || fresh_fail "no intro within 30 minutes"
  sleep 8  # the intro fades in and out before the rules and Start show
  env -i "$fresh_display" xdotool windowfocus --sync "$window" key space
  sleep 3
  env -i "$fresh_display" import -window root "$shot"
  local game
  game=$(env -i "$fresh_display" xdotool search --onlyvisible --name '^Tavlin Quorvane - Game' | head -n1) \
    || fresh_fail "Start opened no game window (screen: $shot)"
  env -i "$fresh_display" xdotool windowfocus --sync "$game" key ctrl+q
  local status=0
  wait $run || status=$?
  [ $status = 0 ] || { tail -20 "$log"; fresh_fail "./run.sh exited $status"; }
  fresh_say "./run.sh exited 0; the board: $shot"
}

start=$(date +%s)
if [ "$1" = --play ]; then
  play
else
  command=$(printf '%q ' "$@")
  fresh_say "$command in the $suite clone"
  status=0
  in_clone || status=$?
  fresh_say "$command exited $status in $(( $(date +%s) - start )) s on $suite ($(cat "$root/etc/debian_version"))"
  exit $status
fi
echo "== $suite ($(cat "$root/etc/debian_version")): $(( $(date +%s) - start )) s"

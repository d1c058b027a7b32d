#!/usr/bin/env bash
# Proves that the Debian package installs and starts on a fresh Debian 12:
# builds the .deb, makes (or reuses) a bookworm root with debootstrap,
# installs the package there with apt as a user would, starts the game as an
# ordinary user through its menu entry's Exec= line, under Xvfb or a headless
# Weston, takes a screenshot and reports. Needs root (debootstrap, chroot,
# mount) and Debian's mirror; not part of ./test.sh.
#
#   tools/fresh-root-check.sh              the X11 path, under Xvfb
#   tools/fresh-root-check.sh --wayland    under weston --backend=headless-backend.so
#   tools/fresh-root-check.sh --recreate   throw the root away and make it anew
#
#   TQ_FRESH_ROOT  where the root lives (default build-fresh-root/bookworm)
#   TQ_DEB         install this .deb instead of building one into build-deb/
#   TQ_MIRROR      the Debian mirror (default: the one apt uses on this machine)
#   TQ_WAIT        seconds from start to screenshot (default 8)
#
# The screenshot and the logs land in build-fresh-root/: screenshot-x11.png
# or screenshot-wayland.png, apt.log, display.log, game.log.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh

platform=x11 recreate=0
for arg in "$@"; do
  case $arg in
  --wayland) platform=wayland ;;
  --recreate) recreate=1 ;;
  *) echo "usage: $0 [--wayland] [--recreate]" >&2; exit 2 ;;
  esac
done
[ "$(id -u)" -eq 0 ] || { echo "fresh-root-check: run as root (debootstrap, chroot, mount)" >&2; exit 2; }

root=$(realpath -m "${TQ_FRESH_ROOT:-build-fresh-root/bookworm}")
out=$PWD/build-fresh-root
wait_s=${TQ_WAIT:-8}
say() { echo "== $*"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$root" != / ] && [ -n "$root" ] || fail "TQ_FRESH_ROOT may not be /"

# The mirror apt already uses here, from the one-line or the deb822 sources.
host_mirror() {
  local suite=$1
  { grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list | awk -v s="$suite" '$3 == s { print $2; exit }'
    awk -v s="$suite" '/^URIs:/ { uri = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == s) { print uri; exit } }' \
      /etc/apt/sources.list.d/*.sources 2>/dev/null; } | head -n1
}

build_deb() {
  if [ -n "${TQ_DEB:-}" ]; then
    deb=$(realpath "$TQ_DEB")
    return
  fi
  say "building the .deb in build-deb/"
  tq_install "${tq_packages[@]}"
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DTQ_BUILD_TESTS=OFF -DTQ_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
  cmake --build build-deb -j "$(nproc)"
  rm -f build-deb/tavlin-quorvane_*.deb
  (cd build-deb && cpack -G DEB >/dev/null)
  deb=$(echo "$PWD"/build-deb/tavlin-quorvane_*.deb)
  [ -f "$deb" ] || fail "cpack made no package"
}

mounted_under() { findmnt -rn -o TARGET | grep -q "^$1\(/\|$\)"; }

make_root() {
  if [ -f "$root/.tq-fresh-root" ] && [ $recreate = 0 ]; then
    say "reusing the root $root"
    return
  fi
  mounted_under "$root" && fail "something is still mounted under $root"
  rm -rf "$root"
  tq_install debootstrap
  local mirror=${TQ_MIRROR:-$(host_mirror bookworm)}
  mirror=${mirror:-http://deb.debian.org/debian}
  say "debootstrap bookworm from $mirror into $root"
  mkdir -p "$root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" > "$out/debootstrap.log" 2>&1 \
    || { tail -20 "$out/debootstrap.log"; fail "debootstrap (log: $out/debootstrap.log)"; }
  local security
  security=$(host_mirror bookworm-security)
  { echo "deb $mirror bookworm main"
    echo "deb $mirror bookworm-updates main"
    [ -n "$security" ] && echo "deb $security bookworm-security main"; } > "$root/etc/apt/sources.list"
  # Packages installed here start no services.
  printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  chroot "$root" useradd --create-home --shell /bin/bash player
  touch "$root/.tq-fresh-root"
}

mounts=()
mount_all() {
  mount --bind /proc "$root/proc" && mounts+=("$root/proc")
  mount --bind /sys "$root/sys" && mounts+=("$root/sys")
  mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev" && mounts+=("$root/dev")
}
pids=()
cleanup() {
  local i m
  # The game first, then its display; each gets 3 s to end before it is killed.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill -- "-${pids[i]}" 2>/dev/null || continue
    for _ in $(seq 30); do kill -0 -- "-${pids[i]}" 2>/dev/null || break; sleep 0.1; done
    kill -KILL -- "-${pids[i]}" 2>/dev/null || true
  done
  for m in "${mounts[@]}"; do umount -R "$m" 2>/dev/null || umount -lR "$m" || true; done
}
trap cleanup EXIT

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }

install_package() {
  say "apt-get install ./$(basename "$deb")"
  cp "$deb" "$root/tmp/"
  in_root apt-get update -qq
  in_root sh -c "cd /tmp && apt-get install -y -q --reinstall ./$(basename "$deb")" > "$out/apt.log" 2>&1 \
    || { tail -20 "$out/apt.log"; fail "installing the package (log: $out/apt.log)"; }
  # The package alone must bring in every library the program and Qt's
  # window-system plugins load.
  local libs
  libs=$(in_root sh -c 'ldd /usr/games/tavlin-quorvane /usr/lib/*/qt6/plugins/platforms/*.so' 2>&1) \
    || fail "ldd: $libs"
  ! grep 'not found' <<<"$libs" || fail "libraries not found after installing the package"
  local display_packages=(xvfb)
  [ $platform = wayland ] && display_packages=(weston qt6-wayland)
  say "apt-get install ${display_packages[*]} (the display)"
  in_root apt-get install -y -q --no-install-recommends "${display_packages[@]}" >> "$out/apt.log" 2>&1 \
    || { tail -20 "$out/apt.log"; fail "installing the display (log: $out/apt.log)"; }
}

# Starts a program in the root in a process group of its own, ended at exit.
spawn() {
  local log=$1; shift
  setsid chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@" > "$log" 2>&1 &
  pids+=($!)
  disown
}

user_runtime_dir() {
  local uid
  uid=$(chroot "$root" id -u player)
  runtime=/run/user/$uid
  mkdir -p "$root$runtime"
  chroot "$root" chown player:player "$runtime"
  chmod 0700 "$root$runtime"
}

start_display() {
  user_runtime_dir
  if [ $platform = x11 ]; then
    rm -f "$root/tmp/display"
    spawn "$out/display.log" sh -c 'exec Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>/tmp/display'
    for _ in $(seq 100); do [ -s "$root/tmp/display" ] && break; sleep 0.1; done
    [ -s "$root/tmp/display" ] || fail "Xvfb did not start (log: $out/display.log)"
    display_env="DISPLAY=:$(tr -d '\n' < "$root/tmp/display")"
  else
    socket=tq-wayland-$$
    spawn "$out/display.log" runuser -u player -- env XDG_RUNTIME_DIR="$runtime" \
      weston --backend=headless-backend.so --use-pixman --socket="$socket" --width=1280 --height=800 --debug
    for _ in $(seq 100); do [ -S "$root$runtime/$socket" ] && break; sleep 0.1; done
    [ -S "$root$runtime/$socket" ] || fail "weston did not start (log: $out/display.log)"
    display_env="WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland"
  fi
  say "display up: $display_env"
}

# The game starts as the menu would start it: the Exec= line of the installed
# desktop entry, run by an ordinary user whose login PATH has /usr/games.
start_game() {
  local exec
  exec=$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop | sed 's/ %[fFuU]//g')
  say "starting Exec=$exec as player"
  spawn "$out/game.log" runuser -l player -c "export XDG_RUNTIME_DIR=$runtime $display_env; exec $exec"
  game_pid=${pids[-1]}
  sleep "$wait_s"
  kill -0 "$game_pid" 2>/dev/null || { cat "$out/game.log"; fail "the game ended within ${wait_s}s"; }
  local p found=""
  for p in $(pgrep -x tavlin-quorvane); do
    [ "$(readlink "/proc/$p/root")" = "$root" ] && found=$p
  done
  [ -n "$found" ] || fail "no tavlin-quorvane runs in the root"
}

# Takes a screenshot into $1 and checks that something is drawn on it.
screenshot() {
  shot=$1
  rm -f "$shot"
  if [ $platform = x11 ]; then
    tq_install imagemagick
    env -i "$display_env" /usr/bin/import -window root "$shot"
  else
    rm -f "$root"/tmp/wayland-screenshot*.png
    chroot "$root" runuser -u player -- sh -c \
      "cd /tmp && XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket weston-screenshooter" >> "$out/display.log" 2>&1 \
      || fail "weston-screenshooter (log: $out/display.log)"
    mv "$(ls "$root"/tmp/wayland-screenshot*.png | head -n1)" "$shot"
  fi
  [ -s "$shot" ] || fail "no screenshot"
  colours=$(/usr/bin/identify -format '%k' "$shot")
  [ "$colours" -gt 16 ] || fail "the screenshot shows $colours colours: nothing drawn?"
  say "screenshot $shot: $colours colours"
}

# Under X the intro's Start button is pressed with xdotool from outside the
# root: the board shows the built-in pictures, which the package's
# dependencies must be able to decode.
press_start() {
  tq_install xdotool
  local intro
  intro=$(env -i "$display_env" xdotool search --onlyvisible --name '^Tavlin Quorvane$' | head -n1)
  [ -n "$intro" ] || fail "no intro window to press Start on"
  env -i "$display_env" xdotool windowfocus --sync "$intro" key space
  sleep 3
  kill -0 "$game_pid" 2>/dev/null || { cat "$out/game.log"; fail "the game ended after Start"; }
}

mkdir -p "$out"
build_deb
make_root
mount_all
install_package
start_display
start_game
screenshot "$out/screenshot-$platform.png"
shots=$shot
if [ $platform = x11 ]; then
  press_start
  screenshot "$out/screenshot-$platform-board.png"
  shots+=" $shot"
fi
say "report"
echo "root:       $root ($(cat "$root/etc/debian_version"))"
echo "package:    $(chroot "$root" dpkg-query -W -f='${Package} ${Version} ${Status}' tavlin-quorvane)"
echo "program:    $(chroot "$root" sh -c 'ls -l /usr/games/tavlin-quorvane')"
echo "platform:   $platform ($display_env)"
echo "running:    yes, ${wait_s}s after start, as player"
echo "screenshots: $shots"
echo "game log:   $out/game.log"
echo "PASS"

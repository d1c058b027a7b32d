#!/usr/bin/env bash
# Proves that the Debian package installs and starts on a fresh Debian:
# builds the .deb on the suite it is for, makes (or reuses) a clean root of
# that suite with debootstrap, installs the package there with apt as a user
# would, starts the game as an ordinary user through its menu entry's Exec=
# line, under Xvfb or a headless Weston, takes a screenshot and reports.
# Needs root (debootstrap, chroot, mount) and Debian's mirror; not part of
# ./test.sh.
#
#   tools/fresh-root-check.sh                 Debian 12 (bookworm), under Xvfb
#   tools/fresh-root-check.sh --suite trixie  Debian 13
#   tools/fresh-root-check.sh --wayland       under weston --backend=headless-backend.so
#   tools/fresh-root-check.sh --dark          X11 under GNOME's dark theme (Qt's GTK theme)
#   tools/fresh-root-check.sh --recreate      throw the root away and make it anew
#
#   TQ_FRESH_ROOT  where the clean root lives (default build-fresh-root/<suite>-player)
#   TQ_DEB         install this .deb instead of building one
#   TQ_MIRROR      the Debian mirror (default: the one apt uses on this machine)
#   TQ_WAIT        seconds from start to screenshot (default 8)
#
# On this machine's own suite the .deb is built here, into build-deb/; on
# another it is built in a clone in that suite's build root
# (tools/fresh-root.sh), whose build-deb/ it is copied from.
#
# The screenshots and the logs land in build-fresh-root/: <suite>-x11.png,
# <suite>-x11-board.png, <suite>-wayland.png, <suite>-dark.png, ..., and
# <suite>-apt.log, <suite>-display.log, <suite>-game.log.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
source tools/fresh-root-lib.sh

platform=x11 recreate=0 dark=0 suite=bookworm
while [ $# -gt 0 ]; do
  case $1 in
  --wayland) platform=wayland ;;
  --dark) dark=1 ;;
  --recreate) recreate=1 ;;
  --suite) suite=${2:?--suite needs a name}; shift ;;
  *) echo "usage: $0 [--suite SUITE] [--wayland | --dark] [--recreate]" >&2; exit 2 ;;
  esac
  shift
done
[ "$(id -u)" -eq 0 ] || { echo "fresh-root-check: run as root (debootstrap, chroot, mount)" >&2; exit 2; }

root=$(realpath -m "${TQ_FRESH_ROOT:-build-fresh-root/$suite-player}")
out=$PWD/build-fresh-root
wait_s=${TQ_WAIT:-8}
theme_env=""
name=$suite-$platform
[ $dark = 1 ] && { name=$suite-dark; theme_env="QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark"; }
say() { fresh_say "$@"; }
fail() { fresh_fail "$@"; }
in_root() { fresh_in_root "$root" "$@"; }
spawn() { fresh_spawn "$root" "$@"; }
trap fresh_cleanup EXIT

build_deb() {
  if [ -n "${TQ_DEB:-}" ]; then
    deb=$(realpath "$TQ_DEB")
    return
  fi
  if [ "$suite" != "$(fresh_host_suite)" ]; then
    say "building the .deb on $suite (tools/fresh-root.sh $suite)"
    tools/fresh-root.sh "$suite" tools/build-deb.sh > "$out/$suite-build-deb.log" 2>&1 \
      || { tail -20 "$out/$suite-build-deb.log"; fail "building the .deb on $suite (log: $out/$suite-build-deb.log)"; }
    mkdir -p "build-deb-$suite"
    rm -f "build-deb-$suite"/tavlin-quorvane_*.deb
    cp build-fresh-root/"$suite"/root/tavlin-quorvane/build-deb/tavlin-quorvane_*.deb "build-deb-$suite/"
    deb=$(echo "$PWD/build-deb-$suite"/tavlin-quorvane_*.deb)
  else
    say "building the .deb in build-deb/"
    deb=$(tools/build-deb.sh | tail -n1)
  fi
  [ -f "$deb" ] || fail "no package was made"
}

install_package() {
  say "apt-get install ./$(basename "$deb")"
  cp "$deb" "$root/tmp/"
  in_root apt-get update -qq
  in_root sh -c "cd /tmp && apt-get install -y -q --reinstall ./$(basename "$deb")" > "$out/$suite-apt.log" 2>&1 \
    || { tail -20 "$out/$suite-apt.log"; fail "installing the package (log: $out/$suite-apt.log)"; }
  # The package alone must bring in every library the program and Qt's
  # window-system plugins load.
  local libs
  libs=$(in_root sh -c 'ldd /usr/games/tavlin-quorvane /usr/lib/*/qt6/plugins/platforms/*.so' 2>&1) \
    || fail "ldd: $libs"
  ! grep 'not found' <<<"$libs" || fail "libraries not found after installing the package"
  local display_packages=(xvfb)
  [ $platform = wayland ] && display_packages=(weston qt6-wayland)
  # GNOME's dark style, as Qt reads it through its GTK theme
  [ $dark = 1 ] && display_packages+=(qt6-gtk-platformtheme gnome-themes-extra)
  say "apt-get install ${display_packages[*]} (the display)"
  in_root apt-get install -y -q --no-install-recommends "${display_packages[@]}" >> "$out/$suite-apt.log" 2>&1 \
    || { tail -20 "$out/$suite-apt.log"; fail "installing the display (log: $out/$suite-apt.log)"; }
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
    fresh_start_xvfb "$root" "$out/$suite-display.log"
    display_env=$fresh_display
  else
    socket=tq-wayland-$$
    spawn "$out/$suite-display.log" runuser -u player -- env XDG_RUNTIME_DIR="$runtime" \
      weston --backend=headless-backend.so --use-pixman --socket="$socket" --width=1280 --height=800 --debug
    for _ in $(seq 100); do [ -S "$root$runtime/$socket" ] && break; sleep 0.1; done
    [ -S "$root$runtime/$socket" ] || fail "weston did not start (log: $out/$suite-display.log)"
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
  spawn "$out/$name-game.log" runuser -l player -c "export XDG_RUNTIME_DIR=$runtime $display_env $theme_env; exec $exec"
  game_pid=${fresh_pids[-1]}
  sleep "$wait_s"
  kill -0 "$game_pid" 2>/dev/null || { cat "$out/$name-game.log"; fail "the game ended within ${wait_s}s"; }
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
      "cd /tmp && XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket weston-screenshooter" >> "$out/$suite-display.log" 2>&1 \
      || fail "weston-screenshooter (log: $out/$suite-display.log)"
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
  kill -0 "$game_pid" 2>/dev/null || { cat "$out/$name-game.log"; fail "the game ended after Start"; }
}

mkdir -p "$out"
build_deb
fresh_make_root "$suite" "$root" $recreate
fresh_mount_all "$root"
install_package
start_display
start_game
screenshot "$out/$name.png"
shots=$shot
if [ $platform = x11 ]; then
  press_start
  screenshot "$out/$name-board.png"
  shots+=" $shot"
fi
say "report"
echo "root:       $root ($(cat "$root/etc/debian_version"))"
echo "package:    $(chroot "$root" dpkg-query -W -f='${Package} ${Version} ${Status}' tavlin-quorvane)"
echo "program:    $(chroot "$root" sh -c 'ls -l /usr/games/tavlin-quorvane')"
echo "platform:   $platform ($display_env $theme_env)"
echo "running:    yes, ${wait_s}s after start, as player"
echo "screenshots: $shots"
echo "game log:   $out/$name-game.log"
echo "PASS"

#!/usr/bin/env bash
# Installs what building, running and testing the game needs, when it is
# missing. Sourced by run.sh, test.sh and the tools; quick when everything is there.
set -euo pipefail

# What building and playing the game needs: the compiler, Qt with its X11 and
# Wayland platforms, and the free faces that stand in for the designed ones.
tq_game_packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins qt6-wayland
                  fonts-liberation2 fonts-dejavu-core fonts-ebgaramond)

# What the tests need beyond that.
tq_test_packages=(# the end-to-end tests: an X server, hands, the accessibility bus and its client, eyes
                  xvfb xdotool dbus at-spi2-core python3 python3-pyatspi gir1.2-atspi-2.0
                  x11-utils imagemagick
                  # typing through an input method that composes
                  ibus ibus-m17n
                  # the intro on Wayland: a compositor
                  weston
                  # a desktop with a dark theme: GNOME's dark style through Qt's GTK theme, a window manager
                  qt6-gtk-platformtheme gnome-themes-extra openbox
                  # checking what installing puts in place, making the .deb and judging it
                  desktop-file-utils appstream dpkg-dev file lintian
                  # a comma-decimal locale for the tests, made in the build folder
                  locales)

tq_packages=("${tq_game_packages[@]}" "${tq_test_packages[@]}")

tq_install() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

tq_build() {
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  elif [ $# -gt 0 ]; then
    # A folder configured before takes the options given now too.
    cmake -S . -B "$dir" "$@"
  fi
  cmake --build "$dir" -j "$(nproc)"
}

#!/usr/bin/env bash
# Checks what installing the game puts in place.
#   check_install.sh tree BUILD_DIR SOURCE_DIR   cmake --install: program, menu entry, icons,
#                                                metainfo, manual page, licences, all valid
#   check_install.sh deb  BUILD_DIR SOURCE_DIR   cpack's .deb: the same files in Debian's layout,
#                                                dependencies that bring in Qt, and lintian clean
set -euo pipefail
mode=$1 build=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

app_id=example.tavlinworks.TavlinQuorvane
case $mode in
tree) program=usr/bin/tavlin-quorvane ;;
# Debian keeps games in /usr/games, and the package its lintian overrides.
deb) program=usr/games/tavlin-quorvane ;;
esac
expected=(
  "$program"
  usr/share/applications/$app_id.desktop
  usr/share/metainfo/$app_id.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/tavlin-quorvane.svg
  usr/share/man/man6/tavlin-quorvane.6.gz
  usr/share/doc/tavlin-quorvane/copyright
  usr/share/doc/tavlin-quorvane/changelog.gz
)
[ "$mode" = deb ] && expected+=(usr/share/lintian/overrides/tavlin-quorvane)
for size in 16 32 48 64 128 256; do
  expected+=(usr/share/icons/hicolor/${size}x${size}/apps/tavlin-quorvane.png)
done

check_tree() {
  local root=$1
  for f in "${expected[@]}"; do
    [ -s "$root/$f" ] || fail "$f is not installed"
  done
  [ -x "$root/$program" ] || fail "the program is not executable"
  # Each icon is as large as the folder it stands in says.
  for size in 16 32 48 64 128 256; do
    local got
    got=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/tavlin-quorvane.png")
    [[ $got == *"PNG image data, $size x $size"* ]] || fail "${size}x${size} icon is: $got"
  done
  local desktop=$root/usr/share/applications/$app_id.desktop
  desktop-file-validate "$desktop" || fail "desktop entry"
  local notes
  notes=$(appstreamcli validate-tree --no-net "$root" 2>&1) || { echo "$notes" >&2; fail "AppStream metadata"; }
  # AppStream 1.0 only notes it, but a software centre then shows no developer.
  ! grep -q developer-info-missing <<<"$notes" || fail "AppStream: $notes"
  # The menu entry starts the installed program, found as a Debian user's
  # PATH finds it, and shows the installed icon.
  local exec
  exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ "$exec" = tavlin-quorvane ] || fail "Exec names $exec"
  [ -x "$root/usr/bin/$exec" ] || [ -x "$root/usr/games/$exec" ] || fail "Exec=$exec is on no user's PATH"
  grep -qx 'Icon=tavlin-quorvane' "$desktop" || fail "Icon"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo names another desktop entry"
  check_manual "$root/usr/share/man/man6/tavlin-quorvane.6.gz"
  cmp -s "$root/usr/share/doc/tavlin-quorvane/copyright" "$source/packaging/copyright" \
    || fail "the installed copyright file is not packaging/copyright"
}

# The manual page renders without a warning and names every shortcut of the
# game's menu, and the keys of answer entry.
check_manual() {
  local page=$1 text warnings
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page warns: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | col -b)
  local keys
  mapfile -t keys < <(grep -o 'QKeySequence(QStringLiteral("[^"]*")' "$source/designs/FrmmainDesign.cpp" | cut -d'"' -f2)
  [ ${#keys[@]} -gt 0 ] || fail "found no shortcuts in the main window's design"
  for key in "${keys[@]}" Enter Tab; do
    grep -q -- "$key" <<<"$text" || fail "the manual page does not tell what $key does"
  done
  grep -q '^HOW TO PLAY' <<<"$text" || fail "the manual page does not tell how to play"
}

case $mode in
tree)
  DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
  check_tree "$work/root"
  ;;
deb)
  (cd "$build" && cpack -G DEB -B "$work/out" -D CPACK_INSTALL_PREFIX=/usr -D CPACK_PACKAGING_INSTALL_PREFIX=/usr >/dev/null)
  debs=("$work"/out/*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made ${#debs[@]} packages"
  deb=${debs[0]}
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins; do
    [[ ", $depends" == *", $needed"* ]] || fail "the package does not depend on $needed"
  done
  [[ ", $(dpkg-deb -f "$deb" Recommends)" == *", qt6-wayland"* ]] || fail "the package does not recommend qt6-wayland"
  [ "$(dpkg-deb -f "$deb" Package)" = tavlin-quorvane ] || fail "package name"
  [ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
  dpkg-deb -x "$deb" "$work/root"
  check_tree "$work/root"
  extra=$(cd "$work/root" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
  [ -z "$extra" ] || fail "the package carries files it should not: $extra"
  zcat "$work/root/usr/share/doc/tavlin-quorvane/changelog.gz" > "$work/changelog"
  changed=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
  [ "$changed" = "$(dpkg-deb -f "$deb" Version)" ] || fail "the changelog's last entry is $changed"
  # Debian's own judge: any error or warning fails; the rest is shown.
  tags=$(lintian --info --fail-on error,warning "$deb" 2>&1) || {
    echo "$tags" >&2
    fail "lintian finds errors or warnings"
  }
  grep -v 'running with root privileges' <<<"$tags" || true
  ;;
*) fail "mode must be tree or deb" ;;
esac
echo "PASS $mode"

#!/usr/bin/env bash
# Checks what installing the game puts in place.
#   check_install.sh tree BUILD_DIR   cmake --install: binary, menu entry, icons, metainfo, all valid
#   check_install.sh deb  BUILD_DIR   cpack's .deb: the same files, and dependencies that bring in Qt
set -euo pipefail
mode=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

app_id=example.tavlinworks.TavlinQuorvane
expected=(
  usr/bin/tavlin-quorvane
  usr/share/applications/$app_id.desktop
  usr/share/metainfo/$app_id.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/tavlin-quorvane.svg
)
for size in 16 32 48 64 128 256; do
  expected+=(usr/share/icons/hicolor/${size}x${size}/apps/tavlin-quorvane.png)
done

check_tree() {
  local root=$1
  for f in "${expected[@]}"; do
    [ -s "$root/$f" ] || fail "$f is not installed"
  done
  [ -x "$root/usr/bin/tavlin-quorvane" ] || fail "the program is not executable"
  # Each icon is as large as the folder it stands in says.
  for size in 16 32 48 64 128 256; do
    local got
    got=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/tavlin-quorvane.png")
    [[ $got == *"PNG image data, $size x $size"* ]] || fail "${size}x${size} icon is: $got"
  done
  desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop entry"
  appstreamcli validate-tree --no-net "$root" || fail "AppStream metadata"
  # The menu entry starts the installed program and shows the installed icon.
  grep -qx 'Exec=tavlin-quorvane' "$root/usr/share/applications/$app_id.desktop" || fail "Exec"
  grep -qx 'Icon=tavlin-quorvane' "$root/usr/share/applications/$app_id.desktop" || fail "Icon"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo names another desktop entry"
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
  ;;
*) fail "mode must be tree or deb" ;;
esac
echo "PASS $mode"

# Sourced by play-under-wine.sh --installer: installs the game's package
# under Wine as a player would, and removes it, checking what each step
# leaves in the prefix.
#   install_package MSI  removes a copy an earlier run left; installs an older
#                        version made of the same files, then MSI over it, and
#                        checks the upgrade, the installed files, the shortcut,
#                        the registry key and the installed programs' entry;
#                        a downgrade must be refused. Sets game to the
#                        installed program.
#   remove_package       msiexec /x, then checks that nothing the package
#                        added is left: no file, shortcut or registry key.
# Uses play-under-wine.sh's work, shots, repo, here and fail.

tq_product="Tavlin Quorvane"
tq_uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# The installed programs' entries of the game, one a line: the product code,
# then FIELD=VALUE fields, tab-separated.
tq_entries() {
  wine reg query "$tq_uninstall" /s 2>/dev/null | tr -d '\0' | python3 "$here/installed.py" entries "$tq_product"
}
tq_field() {  # FIELD ENTRY
  tr '\t' '\n' <<<"$2" | sed -n "s/^$1=//p"
}
tq_msiexec() {  # OPTION PACKAGE-OR-CODE: msiexec without a window, timed into $work/took
  local start status=0 ms
  start=$(date +%s%N)
  wine msiexec "$1" "$2" /qn >>"$shots/msiexec.log" 2>&1 || status=$?
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  printf '%d.%d s\n' $((ms / 1000)) $((ms % 1000 / 100)) >"$work/took"
  return "$status"
}
# What the prefix holds, as two sorted lists: every file and folder of its C:
# drive in NAME.files, and every registry key of the machine's and the user's
# software in NAME.keys. Left out: the temporary folders; Wine's own keys,
# where it keeps what its desktop does; and Windows Installer's own folder and
# keys, which every Windows has and Wine makes at a prefix's first install
# (what a package puts in them, by its product code, is kept).
tq_installer_own='^hkey_local_machine\\software\\(classes\\installer|microsoft\\windows\\currentversion\\installer)'
tq_installer_own+='(\\(features|products|upgradecodes|userdata|userdata\\s-1-5-18|userdata\\s-1-5-18\\(components|products)))?$'
tq_snapshot() {
  (cd "$WINEPREFIX/drive_c" &&
   find . ! -ipath './windows/temp*' ! -ipath './users/*/temp*' ! -ipath './users/*/AppData/Local/Temp*' \
     ! -path ./windows/Installer |
   LC_ALL=C sort) >"$work/$1.files"
  local root export=$WINEPREFIX/drive_c/windows/temp/tq-export.reg
  for root in 'HKEY_LOCAL_MACHINE\Software' 'HKEY_CURRENT_USER\Software'; do
    wine regedit /E 'C:\windows\temp\tq-export.reg' "$root" >/dev/null 2>&1
    iconv -f utf-16 -t utf-8 "$export"
    rm -f "$export"
  done | python3 "$here/installed.py" keys | grep -v '^hkey_current_user\\software\\wine\\' |
    grep -Ev "$tq_installer_own" >"$work/$1.keys"
}
# A version older than VERSION: 1.2.3 gives 1.2.2, 1.2.0 gives 1.1.0, 1.0.0 gives 0.9.0.
tq_older() {
  local major minor patch
  IFS=. read -r major minor patch <<<"$1"
  if [ "$patch" -gt 0 ]; then echo "$major.$minor.$((patch - 1))"
  elif [ "$minor" -gt 0 ]; then echo "$major.$((minor - 1)).0"
  else echo "$((major - 1)).9.0"; fi
}

install_package() {
  local msi=$1 version older entry entry_count code
  version=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductVersion\t//p')
  older=$(tq_older "$version")
  echo "== The package: $(basename "$msi"), version $version"

  while read -r code _; do
    [ -n "$code" ] || continue
    echo "Removing $code, left installed by an earlier run"
    tq_msiexec /x "$code" || fail "could not remove $code, left by an earlier run"
  done < <(tq_entries)

  # The files the package holds, and an older package of the same files.
  msiextract -C "$work/payload" "$msi" >/dev/null
  "$here/build-installer.sh" --version "$older" --stage "$work/payload/$tq_product" --out "$work/older" |
    sed 's/^/  /'
  local older_msi=$work/older/tavlin-quorvane-$older-x64.msi

  tq_snapshot before
  tq_msiexec /i "$(winepath -w "$older_msi")" || fail "msiexec could not install version $older"
  echo "Installed version $older in $(cat "$work/took")"
  entry=$(tq_entries)
  [ "$(tq_field DisplayVersion "$entry")" = "$older" ] || fail "no entry for version $older: $entry"

  tq_msiexec /i "$(winepath -w "$msi")" || fail "msiexec could not install version $version over $older"
  echo "Upgraded to version $version in $(cat "$work/took")"
  tq_entries >"$shots/installed-entries.txt"
  entry_count=$(wc -l <"$shots/installed-entries.txt")
  entry=$(head -n 1 "$shots/installed-entries.txt")
  echo "== The installed programs' entries: $entry_count"
  tr '\t' '\n' <<<"$entry" | sed 's/^/  /'
  [ "$entry_count" -eq 1 ] || fail "$entry_count entries after the upgrade, not 1"
  [ "$(tq_field DisplayVersion "$entry")" = "$version" ] || fail "the entry is not version $version"
  [ "$(tq_field Publisher "$entry")" = "Tavlin Works" ] || fail "the entry names no publisher"
  tq_field Comments "$entry" | grep -q 'GPL-3.0-or-later' || fail "the entry names no licence"
  local dir='C:\Program Files\Tavlin Quorvane\'
  [ "$(tq_field InstallLocation "$entry")" = "$dir" ] || fail "the entry does not say where the game is"
  echo "ok: one entry, version $version, publisher, licence and place"

  # Every file of the package, as the package holds it, and nothing else.
  local installed=$WINEPREFIX/drive_c/Program\ Files/$tq_product
  diff -r "$work/payload/$tq_product" "$installed" >"$work/files.diff" ||
    fail "the installed files differ from the package's: $(head -n 5 "$work/files.diff")"
  echo "ok: the $(find "$installed" -type f | wc -l) files of the package are in $dir"

  local key='HKLM\Software\Tavlin Works\Tavlin Quorvane'
  wine reg query "$key" /v InstallDir 2>/dev/null | tr -d '\r' | grep -qF "$dir" ||
    fail "no InstallDir under $key"
  echo "ok: $key says where the game is"

  # The Start-menu shortcut: Windows puts a per-machine package's in the
  # Programs folder of all users; Wine's msiexec in the installing user's.
  local link
  link=$(find "$WINEPREFIX/drive_c" -ipath "*/Start Menu/Programs/$tq_product.lnk" | head -n 1)
  [ -n "$link" ] || fail "no Start-menu shortcut"
  python3 "$here/installed.py" shortcut "$link" >"$shots/shortcut.txt"
  echo "== The shortcut ${link#"$WINEPREFIX/drive_c/"}:"
  sed 's/^/  /' "$shots/shortcut.txt"
  grep -qxF "target=${dir}tavlin-quorvane.exe" "$shots/shortcut.txt" || fail "the shortcut does not start the game"
  local icon
  icon=$(sed -n 's/^icon=\(.*\),[0-9-]*$/\1/p' "$shots/shortcut.txt")
  cmp -s "$(winepath -u "$icon")" "$repo/app/icons/tavlin-quorvane.ico" || fail "the shortcut does not show the game's icon"
  echo "ok: the shortcut starts the installed game, with the game's icon"

  # An older package never replaces a newer version.
  if tq_msiexec /i "$(winepath -w "$older_msi")"; then
    fail "version $older was installed over $version"
  fi
  [ "$(tq_entries)" = "$entry" ] || fail "refusing version $older changed what is installed"
  echo "ok: version $older refused over $version, which stays installed"

  tq_snapshot installed
  game=$installed/tavlin-quorvane.exe
}

remove_package() {
  tq_msiexec /x "$(winepath -w "$package")" || fail "msiexec could not remove the game"
  echo "Removed in $(cat "$work/took")"
  tq_snapshot after
  [ -z "$(tq_entries)" ] || fail "an installed programs' entry is left"
  # What installing added and removing left: none.
  local kind left
  for kind in files keys; do
    left=$(LC_ALL=C comm -13 "$work/before.$kind" "$work/installed.$kind" | LC_ALL=C comm -12 - "$work/after.$kind")
    [ -z "$left" ] || fail "left after removal ($kind): $(head -n 5 <<<"$left")"
  done
  local added_files added_keys
  added_files=$(LC_ALL=C comm -13 "$work/before.files" "$work/installed.files" | wc -l)
  added_keys=$(LC_ALL=C comm -13 "$work/before.keys" "$work/installed.keys" | wc -l)
  echo "ok: none of the $added_files files and folders and $added_keys registry keys the package added is left"
}

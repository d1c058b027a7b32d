#!/usr/bin/env bash
# Plays the Windows build of the game under Wine, as a player would, on a
# virtual X display with a window manager (Xvfb, openbox):
#   tools/windows/play-under-wine.sh [--installer] [--own-fonts-only] [ZIP|MSI]
#  1. unzips build-windows/tavlin-quorvane-windows.zip (or the zip given) into
#     a fresh folder and starts tavlin-quorvane.exe from there; or, with
#     --installer, installs build-windows/tavlin-quorvane-<version>-x64.msi
#     (or the package given) with msiexec /qn over an older version of the
#     same files, checks the upgrade, the shortcut and the installed
#     programs' entry, and starts the installed program
#     (tools/windows/play-installed.sh);
#  2. reads the intro's extended style and layered alpha from outside, with a
#     small Win32 program of its own (tools/windows/window-reader.cpp) under
#     the same Wine prefix: every change through the fade, then around a
#     repaint Windows asks for and around a repaint the pointer causes;
#  3. presses Start, reads the board's names from the screen (tesseract),
#     types a whole game with xdotool, scores it, copies the result box's
#     text with Ctrl+C as Windows' message boxes allow, and compares it with
#     the text the game shows on Linux, byte for byte;
#  4. leaves with Ctrl+Q and checks that the program ended with status 0;
#     with --installer, removes the package with msiexec /x and checks that
#     nothing it added is left: files, shortcut, registry keys.
# It reads the rules from the screen (tools/windows/rules-words.py): they must
# read whole. On the board it finds, by their pixels, which catalog picture
# each slot shows: all 15 must show the board-size pixels the build made,
# unchanged, as on Linux (tools/windows/board-pictures.py). With
# --own-fonts-only Wine sees none of this machine's fonts but its own, as a
# stock Windows has only its own.
# Screenshots and readings go to TQ_WINDOWS_SHOTS (default /tmp/windows-shots).
# Exits 0 when the game was played through and every check held.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source=tools/windows/common.sh
. "$here/common.sh"

installer=no own_fonts=no package=""
while [ $# -gt 0 ]; do
  case $1 in
    --installer) installer=yes ;;
    --own-fonts-only) own_fonts=yes ;;
    -*) echo "usage: $0 [--installer] [--own-fonts-only] [ZIP|MSI]" >&2; exit 2 ;;
    *) package=$1 ;;
  esac
  shift
done

tq_windows_install wine wine64 fonts-wine xvfb xauth x11-utils openbox xdotool imagemagick unzip \
  tesseract-ocr tesseract-ocr-eng g++-mingw-w64-x86-64-posix python3 python3-numpy msitools wixl

build=${TQ_WINDOWS_BUILD:-$repo/build-windows}
if [ "$installer" = yes ]; then
  version=$(sed -n 's/^project(TavlinQuorvane VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
  package=${package:-$build/tavlin-quorvane-$version-x64.msi}
  [ -f "$package" ] || { echo "No $package: run tools/windows/build-installer.sh first" >&2; exit 1; }
else
  package=${package:-$build/tavlin-quorvane-windows.zip}
  [ -f "$package" ] || { echo "No $package: run tools/windows/build-game.sh first" >&2; exit 1; }
fi
package=$(cd "$(dirname "$package")" && pwd)/$(basename "$package")
# The board-size pixels the cross build embedded, to find on the board.
shown=$build/game/catalog/shown
shots=${TQ_WINDOWS_SHOTS:-/tmp/windows-shots}
rm -rf "$shots"
mkdir -p "$shots"
work=$(mktemp -d /tmp/tq-wine.XXXXXX)

pids=()
cleanup() {
  set +e
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  shot failed
  exit 1
}

reader=$work/window-reader.exe
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -static "$here/window-reader.cpp" -luser32 -lgdi32 -o "$reader"

# A display of our own.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=:$display
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$shots/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$shots/openbox.log" 2>&1 &
pids+=($!)

# Wine's own fonts only: a fontconfig configuration whose one folder is
# Wine's (Debian's Wine finds even its own fonts through fontconfig), and a
# prefix of its own, since a prefix remembers the fonts it has seen.
if [ "$own_fonts" = yes ]; then
  cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/wine/fonts</dir><cachedir>$work/fontconfig</cachedir></fontconfig>
EOF
  export FONTCONFIG_FILE=$work/fonts.conf
  export WINEPREFIX=${TQ_WINEPREFIX:-$(tq_windows_cache)/wineprefix-own-fonts}
else
  export WINEPREFIX=${TQ_WINEPREFIX:-$(tq_windows_cache)/wineprefix}
fi
export WINEARCH=win64
# No .desktop files on this machine's menus for the shortcuts a package makes.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine wineboot --init >"$shots/wineboot.log" 2>&1 || true

shot() {
  import -window root "$shots/$1.png"
  echo "screenshot: $shots/$1.png"
}
# Waits up to $2 seconds for a shown window of the game titled $1 (a trailing
# * matches any end); prints its client area on the screen: X Y WIDTH HEIGHT.
wait_window() {
  wine "$reader" wait "$1" "$2" | tr -d '\r'  # a Windows program's lines end in CR LF
}

wine "$reader" faces | tr -d '\r' >"$shots/faces.txt" || true
echo "== Faces Wine offers every program: $(paste -sd, "$shots/faces.txt" | sed 's/,/, /g')"
if [ "$own_fonts" = yes ] && grep -qi garamond "$shots/faces.txt"; then
  fail "Wine still sees a Garamond among this machine's fonts"
fi

if [ "$installer" = yes ]; then
  # shellcheck source=tools/windows/play-installed.sh
  . "$here/play-installed.sh"
  install_package "$package"  # sets game
else
  unzip -q "$package" -d "$work"
  game=$work/tavlin-quorvane-windows/tavlin-quorvane.exe
fi

# 1. The intro, read from outside while it fades: the reader waits for it and
#    prints where it is, then every change of its style and alpha.
wine "$reader" fade 8 >"$shots/fade.txt" 2>&1 &
fade_pid=$!
(cd "$(dirname "$game")" && exec wine "$game") >"$shots/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
for _ in $(seq 600); do grep -q '^intro at' "$shots/fade.txt" && break; sleep 0.1; done
grep -q '^intro at' "$shots/fade.txt" || fail "the intro did not show"
sleep 0.9
shot intro-title
sleep 3.5
shot intro-rules
wait "$fade_pid" || fail "the fade could not be read"
echo "== The intro's layered state, every change while it fades (from its first sighting):"
lines=$(wc -l <"$shots/fade.txt")
if [ "$lines" -le 150 ]; then
  cat "$shots/fade.txt"
else
  head -n 120 "$shots/fade.txt"
  echo "... $((lines - 121)) more changes in $shots/fade.txt ..."
  tail -n 1 "$shots/fade.txt"
fi

echo "== A repaint Windows asks for (the intro invalidated, WM_PAINT delivered):"
wine "$reader" repaint | tee "$shots/repaint.txt"
# Where the intro stands once it has taken its size: at its first sighting it
# may still have the size and place Windows gave the new window.
intro_area=$(wait_window 'Tavlin Quorvane' 5) || fail "the intro is not shown after its fade"
read -r ix iy _ _ <<<"$intro_area"
shot rules
# The rules label: 1440, 120 twips, 5415 by 1335.
rules_read=$(python3 "$here/rules-words.py" "$shots/rules.png" $((ix + 1440 / 15)) $((iy + 120 / 15)) \
             $((5415 / 15)) $((1335 / 15))) || fail "the rules do not read whole: $rules_read"
echo "== The rules, read from the screen: $rules_read"
# Start: 2760, 1430 twips, 1095 by 300 (15 twips a pixel).
start_x=$((ix + 2760 / 15 + 36)) start_y=$((iy + 1430 / 15 + 10))
echo "== A repaint the pointer causes (hovering over Start, then away):"
xdotool mousemove "$start_x" "$start_y"
sleep 0.5
echo "on Start:   $(wine "$reader" state)" | tee -a "$shots/repaint.txt"
xdotool mousemove 5 5
sleep 0.5
echo "moved away: $(wine "$reader" state)" | tee -a "$shots/repaint.txt"
wine "$reader" windows | tr -d '\r' >"$shots/windows-intro.txt"
intro_bar=$(python3 "$here/taskbar.py" "$shots/windows-intro.txt" 'Tavlin Quorvane') || fail "the intro is not listed"
echo "== The intro on a Windows taskbar: $intro_bar"
[ "$intro_bar" = "owner hidden, no button" ] || fail "the intro would show on the taskbar"
# The fade holds when no reading, through the fade and around the repaints,
# found the shown intro without WS_EX_LAYERED. Checked once the game is over,
# so that a run shows all it can either way.
fade_held=yes
grep -q 'held in every reading while shown' "$shots/fade.txt" || fade_held=no
grep -q 'not-layered' "$shots/repaint.txt" && fade_held=no
echo "WS_EX_LAYERED held through the fade and Qt's repaints: $fade_held"

# 2. Start opens the board; the 20 seconds of memorising start with it.
xdotool mousemove "$start_x" "$start_y" click 1
area=$(wait_window 'Tavlin Quorvane - Game*' 30) || fail "Start did not open the main window"
read -r mx my mw mh <<<"$area"
opened=$(date +%s)
sleep 2
shot memorise
wine "$reader" windows | tr -d '\r' >"$shots/windows-main.txt"
main_title=$(grep -o '"Tavlin Quorvane - Game[^"]*"' "$shots/windows-main.txt" | head -n 1 | tr -d '"')
main_bar=$(python3 "$here/taskbar.py" "$shots/windows-main.txt" "$main_title") || fail "the main window is not listed"
echo "== The main window on a Windows taskbar: $main_bar"
[ "$main_bar" = "owner none, button" ] || fail "the main window would not show on the taskbar"
menu=$((mh - 7215 / 15))  # the client area is 7215 twips high under the menu bar
echo "main window's client area at $mx,$my, ${mw}x${mh}, menu bar $menu pixels"
mapfile -t words < <(python3 "$here/board-words.py" "$shots/memorise.png" "$mx" "$my" "$menu" \
                     "$repo/tools/catalog/table.tsv")
echo "names read on the board: ${words[*]}"
if [ -d "$shown" ]; then
  # Run by its own #! line: Debian's python3, which has numpy.
  mapfile -t on_board < <("$here/board-pictures.py" "$shots/memorise.png" "$mx" "$my" "$menu" "$shown" || true)
  echo "pictures found on the board by their pixels: ${on_board[*]}"
  for slot in $(seq 0 14); do
    [ "${on_board[$slot]:-?}" != "?" ] || fail "slot $((slot + 1)) shows no picture's board-size pixels"
    key=$(awk -F'\t' -v i="${on_board[$slot]}" '$1 == i { print $2 }' "$repo/tools/catalog/table.tsv")
    [ "${words[$slot]}" = "?" ] || [ "${words[$slot]}" = "$key" ] ||
      fail "slot $((slot + 1)) is named ${words[$slot]} but shows $key"
  done
  echo "ok: all 15 pictures show the pixels the build made, each under its own name"
else
  echo "No $shown: the board's pictures are not compared"
fi
known=()
for w in "${words[@]}"; do [ "$w" != "?" ] && known+=("$w"); done
[ "$(printf '%s\n' "${known[@]}" | sort -u | wc -l)" -eq "${#known[@]}" ] || fail "a name was read twice"
[ ${#known[@]} -ge 11 ] || fail "only ${#known[@]} names could be read"
# A word that names no picture of this board.
off_board=QUORVANE  # no picture at all, when a name could not be read
if [ ${#known[@]} -eq 15 ]; then
  for candidate in PIANO CAMERA HORSE; do
    printf '%s\n' "${known[@]}" | grep -qx "$candidate" || { off_board=$candidate; break; }
  done
fi

# 3. Recall, once the 20 seconds are over: the names all read "Think".
sleep $((opened + 23 - $(date +%s) > 0 ? opened + 23 - $(date +%s) : 0))
shot recall
# Box n holds a name of the board for 11 boxes, box 12 repeats box 3, box 13
# a word of no picture here, boxes 14 and 15 stay empty; typed in lower case,
# Enter moves on; Enter in box 15 reaches Submit, and Enter there scores.
typed=()
for w in "${known[@]:0:11}"; do typed+=("$(echo "$w" | tr '[:upper:]' '[:lower:]')"); done
typed+=("${typed[2]}" "$(echo "$off_board" | tr '[:upper:]' '[:lower:]')" "" "")
# Answer box 1: 8200, 650 twips, 3000 by 375.
xdotool mousemove $((mx + 8200 / 15 + 100)) $((my + menu + 650 / 15 + 12)) click 1
sleep 0.5
for text in "${typed[@]}"; do
  [ -n "$text" ] && xdotool type --delay 40 "$text"
  xdotool key Return
  sleep 0.2
done
shot answers
xdotool key Return
wait_window 'Tavlin Quorvane' 15 >/dev/null || fail "no result box"
sleep 1
shot result

# 4. The result as a player copies it from a Windows message box: Ctrl+C.
xdotool key ctrl+c
sleep 0.5
wine "$reader" clipboard "$shots/result-copied.txt" || fail "nothing was copied from the result box"
expected=$'Correct Answers:11\r\nPercentage :  73.3\r\nIntelligence Level is:  Above Average'
python3 - "$shots/result-copied.txt" "$shots/result.txt" <<'EOF'
import sys
copied = open(sys.argv[1], "rb").read().decode("utf-8")
# Qt's copy of a message box: its title, its text and its buttons, each
# followed by a line of dashes; Windows' lines end in CR LF.
sep = "---------------------------\r\n"
parts = copied.split(sep)
title, text = parts[1], parts[2]
assert title == "Tavlin Quorvane\r\n", repr(title)
assert text.endswith("\r\n"), repr(text)
open(sys.argv[2], "wb").write(text[:-2].encode("utf-8"))
EOF
actual=$(cat "$shots/result.txt"; echo x)
actual=${actual%x}
echo "== The result box reads (CR shown as \\r):"
printf '%s\n' "$actual" | sed 's/\r/\\r/g'
[ "$actual" = "$expected" ] || fail "the result differs from the game on Linux"
echo "ok: the same bytes as on Linux"

xdotool key Return
sleep 1
shot after-result
xdotool key ctrl+q
for _ in $(seq 200); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
status=0
wait "$game_pid" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status"
echo "ok: Ctrl+Q ended the game with status 0"
[ "$fade_held" = yes ] || fail "the intro lost WS_EX_LAYERED while shown (see $shots/fade.txt and repaint.txt)"
if [ "$installer" = yes ]; then
  remove_package
fi
echo "Played a whole game under Wine; screenshots and readings in $shots"

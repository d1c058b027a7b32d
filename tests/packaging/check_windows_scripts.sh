#!/usr/bin/env bash
# The Windows build (tools/windows/) runs for an hour before it reaches its
# last lines, and only by hand: a slip in its scripts' syntax, or a toolchain
# that would let the build machine's Linux libraries into a Windows build, is
# caught here at once.  check_windows_scripts.sh SOURCE_DIR
set -euo pipefail
cd "$1"
for script in tools/windows/*.sh; do
  bash -n "$script"
done
for script in tools/windows/*.py; do
  python3 -c 'import ast, sys; ast.parse(open(sys.argv[1]).read(), sys.argv[1])' "$script"
done

# Windows' taskbar rule, as the play-through under Wine applies it to what it
# read of the windows: an owned window gets no button unless it asks for one.
windows=$(mktemp)
trap 'rm -f "$windows"' EXIT
cat >"$windows" <<'LIST'
000000000001006e "Tavlin Quorvane" class=Qt642QWindowIcon style=0x96000000 exstyle=0x00080000 shown 462x118 at 409,341 owner=0000000000020068
0000000000020068 "tavlin-quorvane" class=Qt642QWindowIcon style=0x86CF0000 exstyle=0x00000100 hidden 168x187 at 556,297 owner=0000000000000000
000000000009004a "Tavlin Quorvane - Game " class=Qt642QWindowIcon style=0x96C80000 exstyle=0x00000100 shown 798x528 at 240,148 owner=0000000000000000
000000000009004c "Asks" class=Qt642QWindowIcon style=0x96C80000 exstyle=0x00040000 shown 10x10 at 0,0 owner=000000000009004a
000000000009004e "Tool" class=Qt642QWindowIcon style=0x96C80000 exstyle=0x00000080 shown 10x10 at 0,0 owner=0000000000000000
LIST
for rule in "Tavlin Quorvane|owner hidden, no button" "Tavlin Quorvane - Game |owner none, button" \
            "Asks|owner shown, button" "Tool|owner none, no button"; do
  said=$(python3 tools/windows/taskbar.py "$windows" "${rule%%|*}")
  [ "$said" = "${rule#*|}" ] || { echo "taskbar.py on '${rule%%|*}': '$said', not '${rule#*|}'"; exit 1; }
done
! python3 tools/windows/taskbar.py "$windows" "tavlin-quorvane" >/dev/null  # hidden: not on the taskbar at all

# The installer: its WiX source is well formed, and it names the game by the
# UpgradeCode every package has carried, in both places; another would leave
# the installed version beside the new one instead of replacing it.
python3 - tools/windows/tavlin-quorvane.wxs <<'PY'
import sys, xml.etree.ElementTree as ET
ns = {"w": "http://schemas.microsoft.com/wix/2006/wi"}
root = ET.parse(sys.argv[1]).getroot()
codes = {root.find("w:Product", ns).get("UpgradeCode"), root.find("w:Product/w:Upgrade", ns).get("Id")}
assert codes == {"ABD39FC1-F123-4672-B382-DFE926E90E61"}, codes
assert root.find("w:Product/w:Package", ns).get("InstallScope") == "perMachine"
PY
# What the installed play-through reads: the game's entries among others, and
# the older version it installs first.
entries=$(python3 tools/windows/installed.py entries "Tavlin Quorvane" <<'REG'
HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\{AAAA}
    DisplayName    REG_SZ    Tavlin Quorvane
    DisplayVersion    REG_SZ    1.0.0
    InstallLocation    REG_SZ    

HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\{BBBB}
    DisplayName    REG_SZ    Tavlin Quorvane Tools
    DisplayVersion    REG_SZ    2.0.0

HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\{CCCC}
    DisplayVersion    REG_SZ    0.9.0
    DisplayName    REG_SZ    Tavlin Quorvane
REG
)
expected=$'{AAAA}\tDisplayName=Tavlin Quorvane\tDisplayVersion=1.0.0\tPublisher=\tComments=\tInstallLocation=\tUninstallString=
{CCCC}\tDisplayName=Tavlin Quorvane\tDisplayVersion=0.9.0\tPublisher=\tComments=\tInstallLocation=\tUninstallString='
[ "$entries" = "$expected" ] || { printf 'installed.py entries read:\n%s\n' "$entries"; exit 1; }
# shellcheck source=tools/windows/play-installed.sh
. tools/windows/play-installed.sh
for pair in 1.2.3:1.2.2 1.2.0:1.1.0 1.0.0:0.9.0 2.0.10:2.0.9; do
  [ "$(tq_older "${pair%:*}")" = "${pair#*:}" ] || { echo "older than ${pair%:*}: $(tq_older "${pair%:*}")"; exit 1; }
done

check=$(mktemp --suffix=.cmake)
trap 'rm -f "$windows" "$check"' EXIT
cat >"$check" <<'CMAKE'
include(tools/windows/mingw-w64.cmake)
foreach(rule "CMAKE_SYSTEM_NAME;Windows" "CMAKE_CXX_COMPILER;x86_64-w64-mingw32-g++-posix"
             "CMAKE_C_COMPILER;x86_64-w64-mingw32-gcc-posix" "CMAKE_FIND_ROOT_PATH_MODE_LIBRARY;ONLY"
             "CMAKE_FIND_ROOT_PATH_MODE_INCLUDE;ONLY" "CMAKE_FIND_ROOT_PATH_MODE_PACKAGE;ONLY"
             "CMAKE_FIND_ROOT_PATH_MODE_PROGRAM;NEVER"
             "CMAKE_FIND_ROOT_PATH;/usr/x86_64-w64-mingw32")
  list(POP_FRONT rule name)
  if(NOT "${${name}}" STREQUAL "${rule}")
    message(FATAL_ERROR "${name} is '${${name}}', not '${rule}'")
  endif()
endforeach()
CMAKE
cmake -P "$check"
echo "Windows build scripts: syntax and toolchain ok"

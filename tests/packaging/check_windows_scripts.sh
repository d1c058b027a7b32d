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

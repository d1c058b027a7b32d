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
python3 -c 'import ast, sys; ast.parse(open(sys.argv[1]).read(), sys.argv[1])' tools/windows/board-words.py

check=$(mktemp --suffix=.cmake)
trap 'rm -f "$check"' EXIT
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

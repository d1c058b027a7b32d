# CMake toolchain for 64-bit Windows with Debian's mingw-w64 (posix threads,
# so that std::thread and std::mutex work as Qt expects). Used to build Qt's
# base libraries and the game for Windows (tools/windows/build-qt.sh,
# tools/windows/build-game.sh, which loads it through the Windows Qt's own
# qt.toolchain.cmake, so that the Windows Qt is found too).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TQ_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TQ_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TQ_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TQ_MINGW_TRIPLE}-windres)

# Look for the target's libraries and headers only in the target's roots,
# never in the build machine's /usr; programs come from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TQ_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

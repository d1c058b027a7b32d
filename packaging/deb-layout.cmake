# Run by CPack once the Debian package's files are staged, before they are
# packed: Debian keeps games in /usr/games, strips the compiler's notes from
# programs and ships lintian's overrides with the package. A plain
# `cmake --install` keeps the program in bin/, where any system looks.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(program "${root}/bin/tavlin-quorvane")
if(NOT EXISTS "${program}")
  message(FATAL_ERROR "deb-layout: ${program} was not staged")
endif()

file(MAKE_DIRECTORY "${root}/games")
file(RENAME "${program}" "${root}/games/tavlin-quorvane")
file(GLOB left "${root}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${root}/bin")
endif()

if(CPACK_TQ_STRIP)
  execute_process(COMMAND "${CPACK_TQ_STRIP}" --remove-section=.comment --remove-section=.note
                          "${root}/games/tavlin-quorvane"
                  COMMAND_ERROR_IS_FATAL ANY)
endif()

file(MAKE_DIRECTORY "${root}/share/lintian/overrides")
file(COPY_FILE "${CMAKE_CURRENT_LIST_DIR}/lintian-overrides"
     "${root}/share/lintian/overrides/tavlin-quorvane")

# The folders made here get the package's usual modes, whatever the umask.
file(CHMOD "${root}/games" "${root}/share/lintian" "${root}/share/lintian/overrides"
     PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD "${root}/share/lintian/overrides/tavlin-quorvane"
     PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

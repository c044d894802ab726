# Runs during the install: writes the desktop entry with Exec naming the installed program. Set
# before it runs: ROUTESEER_DESKTOP_TEMPLATE, ROUTESEER_BINDIR and ROUTESEER_DATADIR (each folder
# relative to the prefix, or absolute).
foreach(folder IN ITEMS ROUTESEER_BINDIR ROUTESEER_DATADIR)
  if(NOT IS_ABSOLUTE "${${folder}}")
    set(${folder} "${CMAKE_INSTALL_PREFIX}/${${folder}}")
  endif()
endforeach()
set(program "${ROUTESEER_BINDIR}/routeseer")
if(program MATCHES "[\n\r]")
  message(FATAL_ERROR "A desktop entry cannot name a program whose path holds a line break: ${program}")
endif()

# Exec is a command line: a path holding a character it reserves goes in double quotes, with ", `,
# $ and \ escaped by a backslash; % is doubled; and, as in every string of the entry, each
# backslash is then written twice.
set(ROUTESEER_EXEC "${program}")
if(ROUTESEER_EXEC MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" ROUTESEER_EXEC "${ROUTESEER_EXEC}")
  set(ROUTESEER_EXEC "\"${ROUTESEER_EXEC}\"")
endif()
string(REPLACE "%" "%%" ROUTESEER_EXEC "${ROUTESEER_EXEC}")
string(REPLACE "\\" "\\\\" ROUTESEER_EXEC "${ROUTESEER_EXEC}")

# Written straight into its place: a shared file in the build folder could be overwritten by
# another install running at the same time with another prefix.
set(entry "$ENV{DESTDIR}${ROUTESEER_DATADIR}/applications/routeseer.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${ROUTESEER_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")

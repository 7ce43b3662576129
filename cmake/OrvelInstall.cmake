# What both programs install alike.

# The help pages the About boxes open, kept beside each program.
set(ORVEL_HELP_PAGES ${CMAKE_SOURCE_DIR}/resources/handheld/tamsol.html ${CMAKE_SOURCE_DIR}/resources/handheld/jfa.html)

# orvel_install_launcher(PROGRAM FOLDER): bin/PROGRAM, a relative link to the program
# in its installed FOLDER (under the prefix), so that the installed tree can move.
function(orvel_install_launcher program folder)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(RELATIVE_PATH target \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\" \"\${CMAKE_INSTALL_PREFIX}/${folder}/${program}\")
    file(CREATE_LINK \"\${target}\" \"\${bin}/${program}\" SYMBOLIC)
  ")
endfunction()

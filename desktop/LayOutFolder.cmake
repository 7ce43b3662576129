# Lays out the desktop program's folder DESKTOP_DIR: the symbol font and HELP_PAGES,
# the world database from HANDHELD_DIR/OrvelDB, and, when missing, the demo device in
# Device/ with the handheld program HANDHELD_PROGRAM installed in "\Program Files\OrvelWin"
# and the place files of DEMO_COUNTRIES.
file(COPY ${HANDHELD_DIR}/OWSym.ttf ${HANDHELD_DIR}/OWSym-LICENSE.txt
          ${HELP_PAGES}
     DESTINATION ${DESKTOP_DIR})
if(EXISTS ${HANDHELD_DIR}/OrvelDB/Country.txt)
  file(COPY ${HANDHELD_DIR}/OrvelDB DESTINATION ${DESKTOP_DIR})
endif()

set(device ${DESKTOP_DIR}/Device)
if(EXISTS ${device}/registry.reg)
  return()
endif()
set(install "${device}/Program Files/OrvelWin")
file(MAKE_DIRECTORY "${install}/OrvelDB")
file(COPY ${HANDHELD_PROGRAM} ${HANDHELD_DIR}/Ephem ${HANDHELD_DIR}/OWSym.ttf
          ${HELP_PAGES}
          ${SOURCE_DIR}/resources/demo/horoskop.xml
     DESTINATION "${install}")
set(files Country.txt Zones.txt)
foreach(code IN LISTS DEMO_COUNTRIES)
  list(APPEND files Orte_${code}.txt Ttable_${code}.txt)
endforeach()
foreach(name IN LISTS files)
  if(EXISTS ${HANDHELD_DIR}/OrvelDB/${name})
    file(COPY ${HANDHELD_DIR}/OrvelDB/${name} DESTINATION "${install}/OrvelDB")
  endif()
endforeach()
# Written last: its presence marks the device as laid out.
file(COPY ${SOURCE_DIR}/resources/desktop/registry.reg DESTINATION ${device})

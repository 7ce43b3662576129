# German catalogues: resources/translations/NAME_de.ts, compiled with lrelease at build time
# and embedded in the target under :/i18n, where Translations::install looks for them.
include_guard(GLOBAL)
find_program(ORVEL_LRELEASE lrelease HINTS /usr/lib/qt6/bin REQUIRED)
find_program(ORVEL_LUPDATE lupdate HINTS /usr/lib/qt6/bin REQUIRED)

function(orvel_add_translations target name)
  set(ts ${CMAKE_SOURCE_DIR}/resources/translations/${name}_de.ts)
  set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/i18n)
  set(qm ${qm_dir}/${name}_de.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${qm_dir}
    COMMAND ${ORVEL_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the German catalogue ${name}"
    VERBATIM)
  qt_add_resources(${target} ${name}_translations PREFIX /i18n BASE ${qm_dir} FILES ${qm})
endfunction()

# The windows' translations: translations/cordavo_<code>.ts, made and kept
# up to date by lupdate from the sources the windows show texts of, built by
# lrelease into .qm files in the resources under :/i18n of the windows and of
# the command line, whose guide can be written in any of the languages (the
# rest of the command line stays English).
set(CORDAVO_LANGUAGES it de nl fr)
set(cordavo_ts_files)
foreach(language IN LISTS CORDAVO_LANGUAGES)
  list(APPEND cordavo_ts_files ${PROJECT_SOURCE_DIR}/translations/cordavo_${language}.ts)
endforeach()

# Everything but the command line may put text before the user.
file(GLOB_RECURSE cordavo_translated_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/ui/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/*.h
  ${PROJECT_SOURCE_DIR}/src/tuning/*.cpp ${PROJECT_SOURCE_DIR}/src/tuning/*.h
  ${PROJECT_SOURCE_DIR}/src/sound/*.cpp ${PROJECT_SOURCE_DIR}/src/sound/*.h
  ${PROJECT_SOURCE_DIR}/src/print/*.cpp ${PROJECT_SOURCE_DIR}/src/print/*.h
  ${PROJECT_SOURCE_DIR}/src/numbers/*.cpp ${PROJECT_SOURCE_DIR}/src/numbers/*.h
  ${PROJECT_SOURCE_DIR}/src/devices/*.cpp ${PROJECT_SOURCE_DIR}/src/devices/*.h)

find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(TARGET Qt6::lrelease)
  qt_add_translations(cordavo_ui
    TS_FILES ${cordavo_ts_files}
    SOURCES ${cordavo_translated_sources}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
    QM_FILES_OUTPUT_VARIABLE cordavo_qm_files
    LUPDATE_OPTIONS -no-obsolete -locations none
    LRELEASE_OPTIONS -silent)
  set(cordavo_qm_base ${CMAKE_CURRENT_BINARY_DIR})
  set(cordavo_qm_target cordavo_ui_lrelease)
else()
  # A cross build (the Windows one) has no LinguistTools package for its
  # target; the build machine's lrelease makes the same files.
  find_program(CORDAVO_LRELEASE NAMES lrelease lrelease-qt6
    HINTS ${QT_HOST_PATH}/lib/qt6/bin /usr/lib/qt6/bin REQUIRED)
  set(cordavo_qm_files)
  foreach(language IN LISTS CORDAVO_LANGUAGES)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/cordavo_${language}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CORDAVO_LRELEASE} -silent ${PROJECT_SOURCE_DIR}/translations/cordavo_${language}.ts -qm ${qm}
      DEPENDS ${PROJECT_SOURCE_DIR}/translations/cordavo_${language}.ts VERBATIM)
    list(APPEND cordavo_qm_files ${qm})
  endforeach()
  set(cordavo_qm_base ${CMAKE_CURRENT_BINARY_DIR}/i18n)
  add_custom_target(cordavo_qm DEPENDS ${cordavo_qm_files})
  set(cordavo_qm_target cordavo_qm)
endif()
# Made once, by the target above, for both programs' resources.
qt_add_resources(cordavo_ui cordavo_translations PREFIX /i18n BASE ${cordavo_qm_base} FILES ${cordavo_qm_files})
add_dependencies(cordavo_ui ${cordavo_qm_target})

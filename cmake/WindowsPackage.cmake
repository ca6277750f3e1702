# The Windows programs' resources and their packages, included from
# CMakeLists.txt once the targets are made, before CPack:
#   cmake --build build-windows/build && (cd build-windows/build && cpack)
# (sh scripts/windows does all of it) gives Cordavo-VERSION-win64.zip, the
# portable folder, and Cordavo-VERSION-win64-setup.exe, the installer made by
# NSIS's makensis (Debian's nsis).

# Icon and version information of both programs: resources/cordavo.ico holds
# resources/cordavo.png at 16 to 64 pixels uncompressed (32-bit with alpha)
# and at 256 pixels PNG-compressed (RGBA), as Windows Vista and later read
# them; Qt gives the windows the program's icon.
foreach(program cordavo cordavo-cli)
  if(program STREQUAL cordavo)
    set(CORDAVO_RC_DESCRIPTION "Cordavo: temperament files for Hauptwerk")
  else()
    set(CORDAVO_RC_DESCRIPTION "Cordavo on the command line")
  endif()
  set(CORDAVO_RC_PROGRAM ${program})
  set(CORDAVO_RC_ICON "${PROJECT_SOURCE_DIR}/resources/cordavo.ico")
  foreach(part MAJOR MINOR PATCH TWEAK)
    set(CORDAVO_RC_${part} 0)
    if(PROJECT_VERSION_${part})
      set(CORDAVO_RC_${part} ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  configure_file(${PROJECT_SOURCE_DIR}/resources/cordavo.rc.in ${CMAKE_BINARY_DIR}/${program}.rc @ONLY)
  target_sources(${program} PRIVATE ${CMAKE_BINARY_DIR}/${program}.rc)
endforeach()

# Beside the programs: the Qt libraries and plugins they load (the platforms:
# Windows, and offscreen for cordavo-cli's PDF drawing and for running without
# a display; the Windows style; JPEG, GIF and ICO pictures), libjpeg,
# RtAudio, RtMidi and the MinGW runtime. Nothing else of Qt.
set(qt_libraries Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
foreach(library IN LISTS qt_libraries)
  install(FILES $<TARGET_FILE:${library}> DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
install(FILES $<TARGET_FILE:RtAudio::rtaudio> $<TARGET_FILE:RtMidi::rtmidi> DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(plugin platforms:QWindowsIntegrationPlugin platforms:QOffscreenIntegrationPlugin
               styles:QWindowsVistaStylePlugin imageformats:QJpegPlugin imageformats:QGifPlugin
               imageformats:QICOPlugin)
  string(REPLACE ":" ";" plugin ${plugin})
  list(GET plugin 0 folder)
  list(GET plugin 1 target)
  install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
endforeach()
# libjpeg and the MinGW runtime lie beside Qt's libraries in the toolchain
# folder (else libjpeg beside its import library, the runtime where the
# compiler keeps it).
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin "${qt_core_dll}" DIRECTORY)
list(GET JPEG_LIBRARIES 0 jpeg_import)
get_filename_component(jpeg_lib "${jpeg_import}" DIRECTORY)
find_file(CORDAVO_JPEG_DLL NAMES libjpeg-62.dll jpeg62.dll HINTS "${qt_bin}" "${jpeg_lib}/../bin" NO_DEFAULT_PATH)
if(NOT CORDAVO_JPEG_DLL)
  message(FATAL_ERROR "libjpeg's DLL, which the window program loads, is not found")
endif()
install(FILES "${CORDAVO_JPEG_DLL}" DESTINATION ${CMAKE_INSTALL_BINDIR})
if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    if(EXISTS "${qt_bin}/${dll}")
      install(FILES "${qt_bin}/${dll}" DESTINATION ${CMAKE_INSTALL_BINDIR})
    else()
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE found
        OUTPUT_STRIP_TRAILING_WHITESPACE)
      if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "${dll}, which the programs load, is not found")
      endif()
      install(FILES "${found}" DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
  endforeach()
endif()

# The notices of the libraries shipped beside the programs, which their
# licences ask to travel with them; the About window shows the file.
install(FILES ${PROJECT_SOURCE_DIR}/resources/THIRD-PARTY-NOTICES.txt DESTINATION ${CMAKE_INSTALL_BINDIR})

# Qt's own translations of its dialogs and buttons for the languages the
# windows speak, in translations/ beside the programs, where the program
# looks for them: the toolchain has none, and the build machine's (Debian's
# qt6-translations-l10n) are of the same Qt version. The tests run beside a
# copy.
foreach(language IN LISTS CORDAVO_LANGUAGES)
  set(qm ${QT_HOST_PATH}/share/qt6/translations/qtbase_${language}.qm)
  if(NOT EXISTS ${qm})
    message(FATAL_ERROR "Qt's translation ${qm} is missing: install qt6-translations-l10n")
  endif()
  install(FILES ${qm} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
  file(COPY ${qm} DESTINATION ${CMAKE_BINARY_DIR}/tests/translations)
endforeach()

# The packages.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME "Cordavo-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGING_INSTALL_PREFIX "")
# The programs and libraries go into the packages without their debug
# information and symbol tables (cmake/WindowsStrip.cmake), which Windows
# does not use: a third of the size.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/WindowsStrip.cmake)
set(CPACK_CORDAVO_STRIP "${CMAKE_STRIP}")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/WindowsPackageNames.cmake)
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Cordavo)
# The installer's registry key: Software\Cordavo\Cordavo Program (and its
# uninstall entry), apart from the program's settings in Software\Cordavo\Cordavo,
# which uninstalling leaves.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Cordavo Program")
set(CPACK_PACKAGE_EXECUTABLES cordavo Cordavo)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME Cordavo)
set(CPACK_NSIS_DISPLAY_NAME "Cordavo ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/cordavo.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/cordavo.ico)
# The installer's pictures: the organ pipes of the About window down the
# welcome and last pages (164 x 314), the icon at the head of the others
# (150 x 57); its own name at the foot instead of NSIS's version is in
# cmake/NSIS.template.in.
set(CPACK_PACKAGE_ICON ${PROJECT_SOURCE_DIR}/resources/installer-header.bmp)
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${PROJECT_SOURCE_DIR}/resources/installer-welcome.bmp)
set(CPACK_NSIS_MUI_UNWELCOMEFINISHPAGE_BITMAP ${PROJECT_SOURCE_DIR}/resources/installer-welcome.bmp)
# "Run Cordavo" on the last page.
set(CPACK_NSIS_MUI_FINISHPAGE_RUN cordavo.exe)
set(CPACK_NSIS_INSTALLED_ICON_NAME cordavo.exe)
# The installer's version information (cmake/NSIS.template.in).
set(CPACK_CORDAVO_VERSION_QUAD "${CORDAVO_RC_MAJOR}.${CORDAVO_RC_MINOR}.${CORDAVO_RC_PATCH}.${CORDAVO_RC_TWEAK}")
set(CPACK_CORDAVO_COPYRIGHT "2026 The Cordavo authors")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")

# The licence page: the terms of resources/debian/copyright, as plain text.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/debian/copyright copyright_lines)
set(licence "")
set(in_licence FALSE)
foreach(line IN LISTS copyright_lines)
  if(line MATCHES "^License: ")
    set(in_licence TRUE)
  elseif(in_licence AND line MATCHES "^ \\.$")
    string(APPEND licence "\r\n")
  elseif(in_licence AND line MATCHES "^ (.*)$")
    string(APPEND licence "${CMAKE_MATCH_1}\r\n")
  elseif(in_licence)
    break()
  endif()
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/licence.txt CONTENT "${licence}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_BINARY_DIR}/licence.txt)

# "Open with" for the files the program opens (README: "Opening files from
# anywhere"): the program is registered under Applications with the types
# it supports, and each type lists Cordavo's document class among the
# programs that open it; nothing becomes the default program of a type. In the
# registry of the install's mode (HKLM for everyone, HKCU for one user).
set(open_types .Tmp .For .scl .Cts .Tfs .Temperament_Hauptwerk_xml .xml .txt)
set(app "Software\\\\Classes\\\\Applications\\\\cordavo.exe")
set(progid "Software\\\\Classes\\\\Cordavo.File")
set(install_commands
  "WriteRegStr SHCTX 'Software\\\\${CPACK_PACKAGE_VENDOR}\\\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}' 'InstallMode' $MultiUser.InstallMode"
  "WriteRegStr SHCTX '${app}' 'FriendlyAppName' 'Cordavo'"
  "WriteRegStr SHCTX '${app}\\\\DefaultIcon' '' '$INSTDIR\\\\cordavo.exe,0'"
  "WriteRegStr SHCTX '${app}\\\\shell\\\\open\\\\command' '' '\\\"$INSTDIR\\\\cordavo.exe\\\" \\\"%1\\\"'"
  "WriteRegStr SHCTX '${progid}' '' 'Cordavo file'"
  "WriteRegStr SHCTX '${progid}\\\\DefaultIcon' '' '$INSTDIR\\\\cordavo.exe,0'"
  "WriteRegStr SHCTX '${progid}\\\\shell\\\\open\\\\command' '' '\\\"$INSTDIR\\\\cordavo.exe\\\" \\\"%1\\\"'")
set(uninstall_commands
  "DeleteRegKey SHCTX '${app}'"
  "DeleteRegKey SHCTX '${progid}'")
foreach(type IN LISTS open_types)
  list(APPEND install_commands
    "WriteRegStr SHCTX '${app}\\\\SupportedTypes' '${type}' ''"
    "WriteRegStr SHCTX 'Software\\\\Classes\\\\${type}\\\\OpenWithProgids' 'Cordavo.File' ''")
  list(APPEND uninstall_commands
    "DeleteRegValue SHCTX 'Software\\\\Classes\\\\${type}\\\\OpenWithProgids' 'Cordavo.File'"
    "DeleteRegKey /ifempty SHCTX 'Software\\\\Classes\\\\${type}\\\\OpenWithProgids'"
    "DeleteRegKey /ifempty SHCTX 'Software\\\\Classes\\\\${type}'")
endforeach()
list(APPEND install_commands "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
list(JOIN install_commands "\n" CPACK_NSIS_EXTRA_INSTALL_COMMANDS)
list(JOIN uninstall_commands "\n" CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS)

# cordavo-cli reads its arguments from the wide command line (CommandLineToArgvW).
target_link_libraries(cordavo-cli PRIVATE shell32)

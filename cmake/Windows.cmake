# What the Windows build does differently, included from CMakeLists.txt before
# the targets are made (the package's part is cmake/WindowsPackage.cmake):
#   - everything installs into one folder, the programs at its top with the
#     Qt libraries and plugins beside them, as Windows programs are laid out;
#   - RtAudio (WASAPI, DirectSound) comes from the toolchain's CMake package;
#   - MIDI goes through the toolchain's RtMidi;
#   - zlib is Qt's own copy inside Qt6Core.dll where there is no other one;
#   - GoogleTest is built from its sources for the tests.
enable_language(RC)

set(CMAKE_INSTALL_BINDIR . CACHE PATH "Where the programs install")
set(CORDAVO_AUDIO_INSTALL_DIR .)

find_package(RtAudio REQUIRED)
# MIDI in and out (cordavo_midi): the Windows multimedia back end.
find_package(RtMidi REQUIRED)

# Qt exports the zlib it carries (with its functions named z_*, which
# QtZlib/zlib.h maps the usual names to).
if(CORDAVO_WINDOWS_QT)
  find_library(ZLIB_LIBRARY_RELEASE NAMES z zlib)
  if(NOT ZLIB_LIBRARY_RELEASE)
    set(ZLIB_INCLUDE_DIR "${CORDAVO_WINDOWS_QT}/include/QtZlib" CACHE PATH "zlib's header: Qt's own" FORCE)
    set(ZLIB_LIBRARY_RELEASE "${CORDAVO_WINDOWS_QT}/lib/libQt6Core.a" CACHE FILEPATH "zlib: inside Qt6Core.dll" FORCE)
  endif()
endif()

# (include(CTest) makes BUILD_TESTING later, ON unless given.)
if(NOT DEFINED BUILD_TESTING OR BUILD_TESTING)
  # Tests are listed when they run, not after each build (which would need Wine).
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
  if(CMAKE_CROSSCOMPILING AND NOT TARGET GTest::gtest)
    set(CORDAVO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian's googletest)")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(CMAKE_AUTOMOC OFF)
    set(CMAKE_AUTORCC OFF)
    add_subdirectory(${CORDAVO_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(CMAKE_AUTOMOC ON)
    set(CMAKE_AUTORCC ON)
  endif()
endif()

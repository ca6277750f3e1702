# Cross-builds Cordavo for 64-bit Windows on Debian: Debian's MinGW-w64 GCC
# (posix threads, for std::thread) against Qt 6.4.2 built for Windows with it,
# unpacked into build-windows/ (see scripts/windows), with Debian's own Qt
# 6.4.2 host tools (moc, rcc, uic) from /usr. Another folder of that Qt:
#   -DCORDAVO_WINDOWS_QT=/path/to/qt-6.4.2-mingw64
if(NOT CORDAVO_WINDOWS_QT)
  if(DEFINED ENV{CORDAVO_WINDOWS_QT})
    set(CORDAVO_WINDOWS_QT "$ENV{CORDAVO_WINDOWS_QT}")
  else()
    get_filename_component(CORDAVO_WINDOWS_QT "${CMAKE_CURRENT_LIST_DIR}/../build-windows/qt-6.4.2-mingw64" ABSOLUTE)
  endif()
endif()
set(CORDAVO_WINDOWS_QT "${CORDAVO_WINDOWS_QT}" CACHE PATH "Qt for Windows built with MinGW-w64")
# try_compile() runs this file again in a project of its own; it gets the folder from the environment.
set(ENV{CORDAVO_WINDOWS_QT} "${CORDAVO_WINDOWS_QT}")
if(NOT EXISTS "${CORDAVO_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
  message(FATAL_ERROR "No Qt for Windows in ${CORDAVO_WINDOWS_QT}: unpack qt-6.4.2-mingw64.tar.xz into build-windows/")
endif()

set(QT_HOST_PATH /usr CACHE PATH "Qt of the build machine, for moc, rcc and uic")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake packages of the build machine's Qt")

# Qt's own toolchain file names the compilers (x86_64-w64-mingw32-gcc-posix,
# -g++-posix, -windres) and puts its folder and MinGW's on the search path.
include("${CORDAVO_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")

# Programs run under Wine at build time (none yet) and by the tests.
set(CMAKE_CROSSCOMPILING_EMULATOR wine CACHE STRING "Runs Windows programs on the build machine")

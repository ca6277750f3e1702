# Run by cpack (CPACK_PRE_BUILD_SCRIPTS, cmake/WindowsPackage.cmake) on the
# folder it has installed, before packing it: the programs and libraries lose
# their debug information and symbol tables. Windows loads a DLL by its export
# table, which stays, as do Qt's plugin descriptions.
if(NOT CPACK_CORDAVO_STRIP)
  message(FATAL_ERROR "No strip program for the Windows packages (CMAKE_STRIP is empty)")
endif()
file(GLOB_RECURSE binaries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.exe" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.dll")
if(NOT binaries)
  message(FATAL_ERROR "Nothing to strip in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(binary IN LISTS binaries)
  execute_process(COMMAND "${CPACK_CORDAVO_STRIP}" --strip-all "${binary}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Cannot strip ${binary}")
  endif()
endforeach()

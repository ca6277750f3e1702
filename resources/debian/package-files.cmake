# Run by cpack after it has installed the files into its staging folder and
# before it packs them (CPACK_PRE_BUILD_SCRIPTS): adds what Debian asks of a
# binary package that `cmake --install` leaves out.
#   - /usr/share/doc/cordavo/copyright, the terms of use;
#   - /usr/share/doc/cordavo/changelog.gz, the package's changelog;
#   - every manual page compressed with gzip.
# gzip -n leaves out the name and time, so that the same files give the same
# package.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")
if(NOT IS_DIRECTORY "${root}/bin")
  message(FATAL_ERROR "no staged programs under ${root}")
endif()

function(gzip_in_place file)
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${file} failed: ${status}")
  endif()
endfunction()

file(MAKE_DIRECTORY "${doc}")
file(COPY "${CPACK_CORDAVO_DEBIAN_FILES}/copyright" DESTINATION "${doc}"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The changelog's date is the packing time, or SOURCE_DATE_EPOCH when set.
string(TIMESTAMP CORDAVO_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file("${CPACK_CORDAVO_DEBIAN_FILES}/changelog.in" "${doc}/changelog" @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
gzip_in_place("${doc}/changelog")

file(GLOB manuals "${root}/share/man/man*/*.[1-9]")
foreach(manual IN LISTS manuals)
  gzip_in_place("${manual}")
endforeach()

# Folders made here as the others: rwxr-xr-x whatever the umask.
file(CHMOD "${root}/share/doc" "${doc}" DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

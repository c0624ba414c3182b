# A Debian binary package and a tarball of the install tree, made by
# `cmake --workflow --preset package` (or cpack in a build folder).
set(CPACK_PACKAGE_NAME convolution-demo)
set(CPACK_PACKAGE_CONTACT
    "convolution_demo authors <authors@convolution-demo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "show discrete convolution as a sum of shifted, scaled copies")
# Debian's extended description, wrapped to fit 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "convolution_demo demonstrates discrete linear convolution by superposition."
  "It carries a fixed nine-sample input signal and a four-tap impulse"
  "response, and writes the contribution of each input sample, the impulse"
  "response scaled by the sample and shifted to its index, to a text file of"
  "its own. The nine files added together are the convolution of the two"
  "signals."
  ""
  "A gnuplot script that comes with it, run as convolution_demo-plot, draws"
  "the files for a lecture: the nine contributions and their sum, added up"
  "one at a time; the files as a table whose columns add up to the output;"
  "and each output sample as the flipped impulse response slid along the"
  "input. It writes pictures, animations, PDF slides and a page for a web"
  "browser that steps through the lecture and lets the signals be changed.")
set(CPACK_PACKAGE_FILE_NAME
    "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnuplot-nox | gnuplot")

# The same sources give the same bytes. Archive times come from
# SOURCE_DATE_EPOCH; unless the caller sets it, from the changelog's latest
# entry, as in Debian's own package builds.
find_program(DPKG_PARSECHANGELOG dpkg-parsechangelog)
if(DPKG_PARSECHANGELOG)
  execute_process(COMMAND ${DPKG_PARSECHANGELOG} -S Timestamp
                          -l ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog
                  OUTPUT_VARIABLE CPACK_CHANGELOG_TIMESTAMP
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-project.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/repack.cmake)

include(CPack)

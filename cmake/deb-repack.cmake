# Run by cpack once the packages are made. CMake 3.25 writes the .deb's three
# ar members with the modes of its temporary files, which follow the umask,
# so the same package differs between a umask of 022 and 002. dpkg-deb packs
# the same tree again with fixed modes and owners and the archive time that
# cpack-project.cmake chose.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(deb MATCHES "\\.deb$")
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/deb-repack)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree}
                    COMMAND_ERROR_IS_FATAL ANY)
    # The two folders that extracting makes carry the time of the build.
    execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH}
                            ${tree} ${tree}/DEBIAN
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip
                            --build ${tree} ${deb}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
  endif()
endforeach()

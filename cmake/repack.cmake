# Run by cpack once the packages are made, so that every build gives the same
# bytes. CMake 3.25 gives the .deb's three ar members the modes of its
# temporary files, which follow the umask, and adds the tarball's entries in
# the file system's directory order. dpkg-deb and GNU tar pack the same trees
# again, sorted by name, with fixed owners and modes and the time that
# cpack-project.cmake chose.
set(time $ENV{SOURCE_DATE_EPOCH})
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${CPACK_TOPLEVEL_DIRECTORY}/repack)
  file(REMOVE_RECURSE ${tree})
  if(package MATCHES "\\.deb$")
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree}
                    COMMAND_ERROR_IS_FATAL ANY)
    # The two folders that extracting makes carry the time of the build.
    execute_process(COMMAND touch -d @${time} ${tree} ${tree}/DEBIAN
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip
                            --build ${tree} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  elseif(package MATCHES "\\.tar\\.gz$")
    file(MAKE_DIRECTORY ${tree})
    execute_process(COMMAND tar -xpf ${package} -C ${tree}
                    COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB top RELATIVE ${tree} ${tree}/*)
    execute_process(COMMAND tar --sort=name --owner=0 --group=0 --mode=go-w
                            --numeric-owner --mtime=@${time}
                            -C ${tree} -cf - ${top}
                    COMMAND gzip -9n
                    OUTPUT_FILE ${package} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()

# Builds for another Debian architecture with Debian's cross compiler for the
# GNU triple in CROSS_TRIPLE (aarch64-linux-gnu, i686-linux-gnu, ...), whose
# C and C++ libraries live in /usr/CROSS_TRIPLE. What the build makes runs
# through that architecture's own loader where this machine's kernel runs its
# programs (i686 on most x86-64 kernels), and through qemu-user elsewhere.
if(NOT CROSS_TRIPLE)
  message(FATAL_ERROR
          "set CROSS_TRIPLE to the target's triple, e.g. aarch64-linux-gnu")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CROSS_TRIPLE)

set(CMAKE_SYSTEM_NAME Linux)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${CROSS_TRIPLE}")
set(CMAKE_C_COMPILER ${CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${CROSS_TRIPLE}-g++)
set(sysroot /usr/${CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH ${sysroot})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The probe is the target's loader itself: if the kernel runs it, it runs
# the programs too, given the library tree.
file(GLOB loader ${sysroot}/lib/ld*.so.[0-9] ${sysroot}/lib64/ld*.so.[0-9])
if(NOT loader)
  message(FATAL_ERROR "no C library for ${CROSS_TRIPLE} in ${sysroot}: "
                      "install g++-${CROSS_TRIPLE}")
endif()
list(GET loader 0 loader)
execute_process(COMMAND ${loader} --help
                RESULT_VARIABLE native OUTPUT_QUIET ERROR_QUIET)
if(native EQUAL 0)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${loader} --library-path ${sysroot}/lib)
else()
  string(REGEX REPLACE "^i.86$" "i386" qemu_arch ${CMAKE_SYSTEM_PROCESSOR})
  string(REPLACE "powerpc" "ppc" qemu_arch ${qemu_arch})
  find_program(QEMU qemu-${qemu_arch} REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU} -L ${sysroot})
endif()

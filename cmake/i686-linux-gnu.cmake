# The 32-bit x86 build: the multilib compiler with -m32. Programs built this
# way run directly where the kernel runs 32-bit code; elsewhere they run
# through qemu-user. The probe is the 32-bit dynamic loader itself.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_FLAGS_INIT "-m32")
set(CMAKE_CXX_FLAGS_INIT "-m32")

execute_process(COMMAND /lib/ld-linux.so.2 --help
                RESULT_VARIABLE i686_runs OUTPUT_QUIET ERROR_QUIET)
if(NOT i686_runs EQUAL 0)
  find_program(QEMU_I386 qemu-i386 REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${QEMU_I386}")
endif()

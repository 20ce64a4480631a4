# The core for i386, with Debian's cross compiler, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CORVANE_TRIPLET i686-linux-gnu)
set(CORVANE_QEMU qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/linux.cmake)

# The core for armhf, with Debian's cross compiler, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CORVANE_TRIPLET arm-linux-gnueabihf)
set(CORVANE_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux.cmake)

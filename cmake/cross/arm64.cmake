# The core for arm64, with Debian's cross compiler, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CORVANE_TRIPLET aarch64-linux-gnu)
set(CORVANE_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux.cmake)

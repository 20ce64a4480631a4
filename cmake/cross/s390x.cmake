# The core for s390x, with Debian's cross compiler, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(CORVANE_TRIPLET s390x-linux-gnu)
set(CORVANE_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux.cmake)

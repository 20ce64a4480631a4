# What the four toolchain files share: a Debian cross compiler for the
# triplet CORVANE_TRIPLET, its libraries as the only ones to find, and
# qemu-user (CORVANE_QEMU) to run what it builds, tests included.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${CORVANE_TRIPLET}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CORVANE_QEMU} -L /usr/${CORVANE_TRIPLET})
set(CMAKE_FIND_ROOT_PATH /usr/${CORVANE_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

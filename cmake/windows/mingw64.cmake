# Windows x86-64 with Debian's mingw-w64 (posix threads, which Qt 6 needs).
# Only the mingw root is searched for libraries, headers and packages, so
# that nothing of the build machine's own /usr/include leaks in; programs
# (the host's Qt tools among them) come from the build machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# CORVANE_QT_WINDOWS: where the Qt for Windows is installed, when there is one.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CORVANE_QT_WINDOWS})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CORVANE_QT_WINDOWS)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

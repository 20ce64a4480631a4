# The program for Windows: the DLLs it needs beside it, its distribution,
# and, when built elsewhere, wine to run it and its tests.

# The compiler's runtime: the C++ library and the threads it is built on.
set(CORVANE_DLL_COMPILATEUR)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE chemin OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(chemin "${chemin}" REALPATH)
    if(NOT EXISTS "${chemin}")
        message(FATAL_ERROR "${dll} introuvable pour ${CMAKE_CXX_COMPILER}")
    endif()
    list(APPEND CORVANE_DLL_COMPILATEUR "${chemin}")
endforeach()

# Where the Qt for Windows is installed, its DLLs in bin/ below it.
if(TARGET Qt6::Core)
    get_target_property(coeur Qt6::Core IMPORTED_LOCATION_RELEASE)
    get_filename_component(CORVANE_QT_PREFIXE "${coeur}/../.." REALPATH)
endif()

if(CORVANE_UI)
    include(${CMAKE_CURRENT_LIST_DIR}/distribution.cmake)
endif()
if(CMAKE_CROSSCOMPILING)
    include(${CMAKE_CURRENT_LIST_DIR}/wine.cmake)
endif()

# Windows programs built here run under wine: the tests through CTest's
# emulator, the program itself from its zip.
find_program(CORVANE_WINE wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# The folders of the DLLs the programs load: the compiler's runtime, and Qt's.
set(dossiers)
foreach(dll IN LISTS CORVANE_DLL_COMPILATEUR)
    get_filename_component(dossier "${dll}" DIRECTORY)
    list(APPEND dossiers "${dossier}")
endforeach()
if(TARGET Qt6::Core)
    list(APPEND dossiers "${CORVANE_QT_PREFIXE}/bin")
endif()
list(REMOVE_DUPLICATES dossiers)
set(CORVANE_WINEPATH)
foreach(dossier IN LISTS dossiers)
    string(REPLACE "/" "\\" dossier "Z:${dossier}")
    list(APPEND CORVANE_WINEPATH "${dossier}")
endforeach()
list(JOIN CORVANE_WINEPATH ";" CORVANE_WINEPATH)
set(CORVANE_WINEPREFIX ${PROJECT_BINARY_DIR}/wine)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.sh.in ${PROJECT_BINARY_DIR}/wine.sh @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine.sh)

# The build's own programs find Qt where it is installed, and Qt's French
# texts where Debian keeps them, as the distribution's find theirs beside them.
if(TARGET Qt6::Core)
    file(WRITE ${PROJECT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = Z:${CORVANE_QT_PREFIXE}\nTranslations = Z:/usr/share/qt6/translations\n")
endif()

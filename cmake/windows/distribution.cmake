# The program for Windows, as a portable folder zipped and as an installer:
# corvane.exe with the Qt and compiler DLLs it loads, the Windows platform and
# style plugins, Qt's French texts, and the licences of all that, with where
# Qt's source is. One list of shipped files drives the folder, the
# installer's files and its uninstaller, so that the uninstaller removes
# exactly what was installed. The installer takes its files from the folder,
# once the programs and DLLs there are stripped of their debugging sections.
set(CORVANE_PORTABLE corvane-${PROJECT_VERSION}-win64)
set(CORVANE_INSTALLATEUR corvane-${PROJECT_VERSION}-setup.exe)

# Qt's French texts are the same file on every platform: Debian's serves.
find_file(CORVANE_QTBASE_FR qtbase_fr.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(CORVANE_NSIS_INSTALLER)
set(CORVANE_NSIS_DESINSTALLER)
set(CORVANE_A_DEPOUILLER)
# livrer(<folder> <file>...): ships the files in that folder of the program's
# own ("." for the program's folder itself); a file may be a generator
# expression, or be shipped under another name: NOM=<name>|<file>.
function(livrer dossier)
    set(nsis "$INSTDIR")
    if(NOT dossier STREQUAL ".")
        string(REPLACE "/" "\\" sous_dossier "${dossier}")
        string(APPEND nsis "\\${sous_dossier}")
    endif()
    set(installer "${CORVANE_NSIS_INSTALLER}  SetOutPath \"${nsis}\"\n")
    set(desinstaller "${CORVANE_NSIS_DESINSTALLER}")
    set(a_depouiller "${CORVANE_A_DEPOUILLER}")
    foreach(fichier IN LISTS ARGN)
        set(renomme)
        if(fichier MATCHES "^NOM=([^|]*)[|](.*)$")
            set(nom "${CMAKE_MATCH_1}")
            set(fichier "${CMAKE_MATCH_2}")
            if(NOT nom MATCHES "^[$]<")
                set(renomme RENAME "${nom}")
            endif()
        else()
            get_filename_component(nom "${fichier}" NAME)
        endif()
        install(FILES "${fichier}" DESTINATION "${dossier}" ${renomme})
        set(livre "${PROJECT_BINARY_DIR}/${CORVANE_PORTABLE}/${dossier}/${nom}")
        string(APPEND installer "  File \"${livre}\"\n")
        string(APPEND desinstaller "  Delete \"${nsis}\\${nom}\"\n")
        if(nom MATCHES "^[$]<TARGET_FILE_NAME:|[.](exe|dll)$")
            list(APPEND a_depouiller "${livre}")
        endif()
    endforeach()
    if(NOT dossier STREQUAL ".")
        string(APPEND desinstaller "  RMDir \"${nsis}\"\n")
    endif()
    set(CORVANE_NSIS_INSTALLER "${installer}" PARENT_SCOPE)
    set(CORVANE_NSIS_DESINSTALLER "${desinstaller}" PARENT_SCOPE)
    set(CORVANE_A_DEPOUILLER "${a_depouiller}" PARENT_SCOPE)
endfunction()

set(cibles)
foreach(cible corvane Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
    list(APPEND cibles "NOM=$<TARGET_FILE_NAME:${cible}>|$<TARGET_FILE:${cible}>")
endforeach()
# The folders go first in the uninstaller's list, so that each is empty when its turn comes.
livrer(platforms "NOM=$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>|$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>")
livrer(styles "NOM=$<TARGET_FILE_NAME:Qt6::QModernWindowsStylePlugin>|$<TARGET_FILE:Qt6::QModernWindowsStylePlugin>")
livrer(translations ${CORVANE_QTBASE_FR})
# The licences: the program's own terms and its faces' (its Debian copyright
# file, and the Apache licence in full, which Windows does not have), Qt's
# LGPL 3 and where the exact source of this Qt is, the GCC runtime's licence
# and exception, the mingw-w64 runtime's; in qt/, one notice for each piece
# of others' code compiled into this Qt, by Qt's own records.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(CORVANE_NOTICES_QT ${PROJECT_BINARY_DIR}/notices-qt)
file(REMOVE_RECURSE ${CORVANE_NOTICES_QT})
execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/attributions.py notices
        ${CORVANE_QT_PREFIXE}/attributions ${CORVANE_QT_PREFIXE}/compiles.txt ${CORVANE_NOTICES_QT}
    COMMAND_ERROR_IS_FATAL ANY)
file(GLOB CORVANE_NOTICES ${CORVANE_NOTICES_QT}/*.txt)
list(SORT CORVANE_NOTICES)
livrer(licences/qt ${CORVANE_NOTICES})
livrer(licences
    "NOM=corvane.txt|${PROJECT_SOURCE_DIR}/app/copyright"
    "NOM=Apache-2.0.txt|/usr/share/common-licenses/Apache-2.0"
    "NOM=qt-source.txt|${CORVANE_QT_PREFIXE}/source-debian.txt"
    "NOM=qt-LGPL-3.txt|/usr/share/common-licenses/LGPL-3"
    "NOM=GPL-3.txt|/usr/share/common-licenses/GPL-3"
    "NOM=gcc-runtime.txt|/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright"
    "NOM=mingw-w64.txt|/usr/share/doc/mingw-w64-x86-64-dev/copyright")
livrer(. ${cibles} ${CORVANE_DLL_COMPILATEUR} ${CMAKE_CURRENT_LIST_DIR}/qt.conf)

set(CORVANE_ICONE "${PROJECT_SOURCE_DIR}/ui/images/corvane.ico")
configure_file(${CMAKE_CURRENT_LIST_DIR}/installateur.nsi.in installateur.nsi.modele @ONLY)
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/installateur.nsi INPUT ${PROJECT_BINARY_DIR}/installateur.nsi.modele)

# The exact source of that Qt, as Debian published it, goes beside them:
# mirrors drop superseded versions, and the LGPL wants it to be had.
file(GLOB CORVANE_QT_SOURCE "${CORVANE_QT_PREFIXE}/source/*")

# `cmake --build --preset windows --target distribution`: the zip and the
# installer in the build folder, Qt's source beside them.
find_program(CORVANE_MAKENSIS makensis NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_custom_target(distribution
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CORVANE_PORTABLE} ${CORVANE_PORTABLE}.zip
    COMMAND ${CMAKE_COMMAND} --install . --prefix ${CORVANE_PORTABLE}
    COMMAND ${CMAKE_STRIP} --strip-unneeded ${CORVANE_A_DEPOUILLER}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/zipper.sh ${CORVANE_PORTABLE} ${CORVANE_PORTABLE}.zip
    COMMAND ${CORVANE_MAKENSIS} -V2 -INPUTCHARSET UTF8 -NOCD installateur.nsi
    COMMAND ${CMAKE_COMMAND} -E copy ${CORVANE_QT_SOURCE} .
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    DEPENDS corvane
    BYPRODUCTS ${CORVANE_PORTABLE}.zip ${CORVANE_INSTALLATEUR}
    VERBATIM)

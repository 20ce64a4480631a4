# `make package`: a Debian package of the program (its source archive is git's).
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "L'équipe Corvane <corvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "injector sizing calculator for petrol engine tuners")
# Debian's control file keeps lines within 80 columns: the line breaks are the package's own.
set(CPACK_PACKAGE_DESCRIPTION "Sizes fuel injectors from ten engine parameters, re-rates an injector's
flow at a new fuel pressure and shows the air/fuel ratio of the typed lambda.
The window is in French, with the decimal comma.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://corvane.example.org")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Dependencies come from the libraries the program links, never by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's French texts and Qt's Wayland platform are loaded at run time, not
# linked: the only packages named by hand. Without the last, a Wayland
# desktop runs the program through XWayland, which works too. The faces that
# stand in for the designed fonts are inside the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")

include(CPack)

# The Debian package: `cmake --build build --target package` makes
# velmora_<version>_<arch>.deb from everything `cmake --install` installs.
include(GNUInstallDirs)

set(VELMORA_MAINTAINER "Velmora developers <dev@velmora.invalid>")
set(VELMORA_HOMEPAGE "https://github.com/velmora/velmora")

install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)

# A package without a Debian revision is native: its changelog is changelog.gz.
execute_process(COMMAND date -R -u -d "${VELMORA_RELEASE_DATE}"
                OUTPUT_VARIABLE VELMORA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(packaging/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
  VERBATIM)
add_custom_target(velmora_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "${VELMORA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for satellite receiver channel lists (.sdx)")
set(CPACK_PACKAGE_DESCRIPTION
  "Velmora edits the channel database of a digital satellite receiver, kept
in a .sdx file: satellites with their LNB and switching settings,
transponders, TV and radio channels, favourite groups, parental control
and the receiver's settings. It imports satellites from saved listing
pages, prints the channel list and undoes every change.

The package holds the Qt editor and velmora-cli, which inspects and
scripts the same files without a window system.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELMORA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMORA_MAINTAINER}")
# Dependencies are the packages of the shared libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

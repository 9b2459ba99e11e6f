# The Debian package (scripts/package runs cpack on the build tree): the three executables, the program
# data under share/vqn58/, the desktop entry, icons, AppStream metadata, the clone-file type and manuals.
# The runtime dependencies (Qt 6, libserialport) are found by dpkg-shlibdeps from the executables.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vqn58)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VQ-N58 Cloning Program")
set(CPACK_PACKAGE_CONTACT "VQ-N58 Cloning Program maintainers <vqn58@example.org>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cloning program for the VQ-N58 marine VHF hand-held radio")
set(CPACK_PACKAGE_DESCRIPTION "Reads the whole memory of a VQ-N58 marine VHF hand-held radio over its clone
cable, shows it as editable sheets (channel lists, free channels, settings),
keeps it in clone files, prints it and writes it back into the radio.

Includes a command-line tool that shares the document and clone logic, and a
simulated radio for trying everything without a cable.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The manual opens in the desktop's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

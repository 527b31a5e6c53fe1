# The Debian package, made by CPack from the install rules above. The
# version is set by scripts/package.sh (from the git tags); the library
# dependencies are computed by dpkg-shlibdeps from the ELF files.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrum)
set(CPACK_PACKAGE_VENDOR "Veltrum")
set(CPACK_PACKAGE_CONTACT "Veltrum developers <developers@veltrum.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reporting module of a restaurant POS back office")
set(CPACK_PACKAGE_DESCRIPTION
    "Veltrum reads what the point-of-sale terminals of a restaurant recorded (bills\n"
    "with their orders, voids, payments, splits and cash records), summarises days\n"
    "and date ranges per waiter or cost center, closes the business day and hands\n"
    "data to report designs, spreadsheets and a chain database.\n"
    "\n"
    "The package holds the command line program veltrum, the back office window\n"
    "veltrum-office with its reporting module, the print engine of report designs,\n"
    "example designs, German translations, and systemd timers that close the\n"
    "business day and mail reports on a schedule.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${CMAKE_BINARY_DIR}/lib)
# Loaded at run time, so no library dependency names them: the database
# driver of the chain statistics, Qt's own German texts, a font for PDFs
# and pictures, and curl's certificates for mail over TLS.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libqt6sql6-psql, qt6-translations-l10n, fonts-dejavu-core, ca-certificates")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/debian/conffiles
    ${CMAKE_CURRENT_LIST_DIR}/debian/postinst
    ${CMAKE_CURRENT_LIST_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

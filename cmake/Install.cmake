# What `cmake --install` puts under the prefix, and the Debian package built
# from the same rules (cpack -G DEB in a release build):
#   bin/tallyvo                          the station (a link to lib/tallyvo/tallyvo)
#   lib/tallyvo/tallyvo, locale/         the program and its catalogs, which it finds beside itself
#   lib/tallyvo/create_demo_db           the demo's databases; --registrar names a folder as the
#                                        application directory
#   lib/tallyvo/server-mode.sh           the demo set-up for server mode (run by root)
#   share/tallyvo/db/                    the schema and demo data the two tools read
#   share/applications/tallyvo.desktop   the desktop's menu entry, with its icon in share/icons
#   share/doc/tallyvo/                   the administrator's guide
# Every other resource (forms, pictures, skins) is inside the program.
set(TALLYVO_PRIVATE_DIR lib/tallyvo)

install(TARGETS tallyvo create_demo_db RUNTIME DESTINATION ${TALLYVO_PRIVATE_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/locale DESTINATION ${TALLYVO_PRIVATE_DIR})
install(PROGRAMS ${CMAKE_SOURCE_DIR}/scripts/server-mode.sh DESTINATION ${TALLYVO_PRIVATE_DIR})
# A relative link, so a staged or moved prefix still starts the station.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
file(CREATE_LINK ../${TALLYVO_PRIVATE_DIR}/tallyvo ${CMAKE_BINARY_DIR}/install/tallyvo SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install/tallyvo DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/db/ DESTINATION share/tallyvo/db)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tallyvo.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tallyvo.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/docs/administration.md
        DESTINATION share/doc/tallyvo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tallyvo")
set(CPACK_PACKAGE_CONTACT "Tallyvo POS <maintainers@users.noreply.c-seed-bdf13e18.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Point-of-sale station for small Colombian businesses")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Point-of-sale station for small Colombian businesses.\n A cashier logs in against a Firebird database, picks company, price list and\n date, scans bar codes and sees each article's prices, taxes and picture.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# What the libraries do not say: the embedded engine is a plugin the client
# library loads, the windows' texts need fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "firebird3.0-server-core, fonts-dejavu-core | fonts-liberation")
# Server mode and backups: the server, gbak and isql.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "firebird3.0-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "firebird3.0-server, cups")
include(CPack)

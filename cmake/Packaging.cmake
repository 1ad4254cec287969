# What `cmake --install` lays out, the Debian package (`make package`) and the portable folder's
# information file (`make portable`).
include(GNUInstallDirs)

set(ZARVO_BUILD "1" CACHE STRING "Build number of this version; copies compare builds to decide which is newer")
set(ZARVO_APP_ID "com.velorin.zarvo")
set(ZARVO_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS zarvo zarvo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The modules of the desktop application and of zarvo-cli, and those loaded on first use, in the
# package's private library folder (the programs find them from bin/).
install(TARGETS zarvo_desktop zarvo_cli_desktop zarvo_pdf zarvo_signature LIBRARY DESTINATION lib/zarvo)

# The installed desktop entries start the program by its absolute path in the package (/usr/bin/zarvo):
# KWin grants the Wayland interfaces an entry lists only to the program its Exec names that way. The
# portable copy's installer writes its own entry with the absolute path of the installed program.
set(ZARVO_PACKAGE_PREFIX /usr)
set(ZARVO ${ZARVO_PACKAGE_PREFIX}/${CMAKE_INSTALL_BINDIR}/zarvo)
configure_file(${PROJECT_SOURCE_DIR}/data/zarvo.desktop.in ${ZARVO_PACKAGING_DIR}/${ZARVO_APP_ID}.desktop @ONLY)
install(FILES ${ZARVO_PACKAGING_DIR}/${ZARVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Software centres (GNOME Software, Discover) list the application from its AppStream metainfo.
configure_file(${PROJECT_SOURCE_DIR}/data/metainfo.xml.in ${ZARVO_PACKAGING_DIR}/${ZARVO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${ZARVO_PACKAGING_DIR}/${ZARVO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Launch at login writes its own entry per user; this one is the template for an administrator
# who wants it for every user (copied into /etc/xdg/autostart).
configure_file(${PROJECT_SOURCE_DIR}/data/autostart.desktop.in ${ZARVO_PACKAGING_DIR}/autostart/${ZARVO_APP_ID}.desktop
               @ONLY)
install(FILES ${ZARVO_PACKAGING_DIR}/autostart/${ZARVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/zarvo/autostart)

install(FILES ${ZARVO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/zarvo/translations)

install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${ZARVO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The tray's keycap, which trays that recolour symbolic icons draw in their own foreground.
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${ZARVO_APP_ID}-symbolic.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/symbolic/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${size}x${size}/${ZARVO_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Man pages and the changelog go in compressed without time stamps, as Debian's policy asks.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed)
foreach(page zarvo zarvo-cli)
    set(VERSION ${PROJECT_VERSION})
    configure_file(${PROJECT_SOURCE_DIR}/data/man/${page}.1 ${ZARVO_PACKAGING_DIR}/man/${page}.1 @ONLY)
    add_custom_command(OUTPUT ${ZARVO_PACKAGING_DIR}/man/${page}.1.gz
                       COMMAND ${GZIP_PROGRAM} -9nkf ${ZARVO_PACKAGING_DIR}/man/${page}.1
                       DEPENDS ${ZARVO_PACKAGING_DIR}/man/${page}.1)
    list(APPEND compressed ${ZARVO_PACKAGING_DIR}/man/${page}.1.gz)
    install(FILES ${ZARVO_PACKAGING_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_command(OUTPUT ${ZARVO_PACKAGING_DIR}/changelog.gz
                   COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/data/changelog > ${ZARVO_PACKAGING_DIR}/changelog.gz
                   DEPENDS ${PROJECT_SOURCE_DIR}/data/changelog)
list(APPEND compressed ${ZARVO_PACKAGING_DIR}/changelog.gz)
add_custom_target(zarvo_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${ZARVO_PACKAGING_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/data/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The portable folder's information file: the identifier and the two versions copies compare.
configure_file(${PROJECT_SOURCE_DIR}/data/Info.json.in ${ZARVO_PACKAGING_DIR}/Info.json @ONLY)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarvo)
set(CPACK_PACKAGE_VENDOR "Velorin")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keyboard launcher with a clipboard history")
set(CPACK_PACKAGE_DESCRIPTION
    "Zarvo opens files, folders, applications, settings panels and web searches\n"
    "from one text box, brought up by a global hot key, and keeps a searchable\n"
    "history of what was copied. zarvo-cli runs the same search from a terminal.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Zarvo developers <zarvo@velorin.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; the plugins Qt loads at run time (the X11
# platform, SVG icons) are named by hand since no binary links them, and so are Qt's own translations
# (the standard dialog buttons).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libarchive-tools, adwaita-icon-theme, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX ${ZARVO_PACKAGE_PREFIX})
include(CPack)

# The desktop side of the program: the icon rendered from its drawing, the
# launcher entry, the AppStream metadata, the manual page, where each file
# is installed, and the Debian package.

set(REEDMERE_LICENSE_SPDX "GPL-3.0-or-later")
set(REEDMERE_LICENSE_NAME "GNU General Public License, version 3 or later")
set(REEDMERE_APP_ID "org.reedmere.reedmere")
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(generated ${CMAKE_BINARY_DIR}/generated)

configure_file(${packaging}/AppInfo.h.in ${generated}/AppInfo.h @ONLY)
configure_file(${packaging}/${REEDMERE_APP_ID}.metainfo.xml.in ${generated}/${REEDMERE_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging}/reedmere.1.in ${generated}/reedmere.1 @ONLY)

# The icon's bitmaps are rendered from the drawing at build time; the window
# carries them inside the program, the launcher finds them in the icon theme.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)
set(REEDMERE_ICON_SIZES 48 256)
set(icon_files)
foreach(size ${REEDMERE_ICON_SIZES})
  set(png ${generated}/icons/reedmere-${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${packaging}/reedmere.svg
    DEPENDS ${packaging}/reedmere.svg
    COMMENT "Rendering the ${size} px icon")
  list(APPEND icon_files ${png})
endforeach()
add_custom_command(OUTPUT ${generated}/reedmere.1.gz
  COMMAND ${GZIP} -9nf -k ${generated}/reedmere.1
  DEPENDS ${generated}/reedmere.1)
add_custom_target(reedmere_desktop_files ALL DEPENDS ${icon_files} ${generated}/reedmere.1.gz)
qt_add_resources(reedmere_ui reedmere_icons PREFIX "/icons" BASE ${generated}/icons FILES ${icon_files})
add_dependencies(reedmere reedmere_desktop_files)

# Installing needs only what the package holds, not every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
install(TARGETS reedmere RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/schema ${CMAKE_SOURCE_DIR}/data/catalogue ${CMAKE_SOURCE_DIR}/data/site
  DESTINATION ${CMAKE_INSTALL_DATADIR}/reedmere)
install(FILES ${packaging}/${REEDMERE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${REEDMERE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/reedmere.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${REEDMERE_ICON_SIZES})
  install(FILES ${generated}/icons/reedmere-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME reedmere.png)
endforeach()
install(FILES ${generated}/reedmere.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/reedmere)

# The Debian package: scripts/package, or cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reedmere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Reed Mere developers")
set(CPACK_PACKAGE_CONTACT "Reed Mere developers <maintainers@reedmere.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of aquarium animals and plants and fish-farm manager")
set(CPACK_PACKAGE_DESCRIPTION "Reed Mere keeps a taxonomic catalogue of aquarium animals and plants,
runs the breeder's fish farm (lots, tanks, spawnings, genealogy, balance)
and generates a static web site from both, in English or Russian.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library link shows: the ODBC driver of the embedded database is
# loaded by name, the window needs Qt's platform plugins, pages open with
# xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsqliteodbc, unixodbc, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")
include(CPack)

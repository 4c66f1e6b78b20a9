# cmake --install and the Debian package (cpack -G DEB).
#
#   bin/tavrel                                 the program
#   lib/tavrel/libtavrel_windows.so            the windows, loaded when the interactive program starts
#   lib/tavrel/libosgrin.so.*, libmirvane.so.* the engines (private: found through the
#   lib/tavrel/*.tbl                           program's run path); the rate files beside them
#   share/tavrel/AMT.html                      the help, where the program looks for it
#   share/applications/tavrel.desktop          the menu entry, its icon and the file type
#   share/man/man1/tavrel.1.gz                 the manual page
#   share/doc/tavrel/export-schema.*           the data exports' schema and its description

set_target_properties(tavrel PROPERTIES INSTALL_RPATH "$ORIGIN/../${TAVREL_INSTALL_LIBDIR}")
set_target_properties(mirvane tavrel_windows PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS tavrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS osgrin mirvane LIBRARY DESTINATION ${TAVREL_INSTALL_LIBDIR} NAMELINK_SKIP)
install(TARGETS tavrel_windows LIBRARY DESTINATION ${TAVREL_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/app/help/AMT.html DESTINATION ${CMAKE_INSTALL_DATADIR}/tavrel)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/tavrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/tavrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/tavrel-scenario.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/docs/export-schema.md ${PROJECT_SOURCE_DIR}/docs/export-schema.json
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavrel)

# Manual pages are installed compressed.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/tavrel.1.gz
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/docs/tavrel.1 > ${CMAKE_BINARY_DIR}/tavrel.1.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/tavrel.1 VERBATIM)
add_custom_target(manual_page ALL DEPENDS ${CMAKE_BINARY_DIR}/tavrel.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/tavrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavrel developers")
set(CPACK_PACKAGE_CONTACT "Tavrel developers <developers@tavrel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-year planner for the US individual alternative minimum tax")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tavrel computes a household's regular income tax and alternative minimum tax for two years and finds how "
       "much of this year's state and local taxes to pay next year instead, so that the two years' tax, the second "
       "discounted to today, is lowest. It shows a summary, a detailed line-by-line report, an inputs report and a "
       "graph, prints them, and runs without a window for batch use.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program and its engines link are found by dpkg-shlibdeps;
# the engines themselves ship in the package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
# Liberation Mono matches Courier New's metrics, the reports' font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
include(CPack)

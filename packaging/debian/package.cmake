# The Linux release, made by the "deb" target (or "package"): morvane_VERSION_ARCH.deb
# holding what data/CMakeLists.txt installs, under /usr, and Debian's changelog and
# copyright. Its dependencies are read off the binary by dpkg-shlibdeps; the Japanese font
# the program asks for first is recommended.
include(GNUInstallDirs)
# Debian wants a maintainer's address and the project has none: a name in the reserved
# domain .invalid, which can never be anyone's.
set(MORVANE_MAINTAINER "The Morvane developers <maintainer@morvane.invalid>")

set(debian_out ${PROJECT_BINARY_DIR}/packaging/debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${debian_out}/changelog @ONLY)
# The copyright file carries the licence's terms as a field: lines indented, empty ones a dot.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^.*\n(Permission )" "\\1" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " MORVANE_LICENSE_TEXT " ${licence}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${debian_out}/copyright @ONLY)
# Compressed reproducibly (no name, no time), as Debian keeps it.
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${debian_out}/changelog.gz
  COMMAND ${GZIP} -9nf --keep ${debian_out}/changelog
  DEPENDS ${debian_out}/changelog VERBATIM)
add_custom_target(morvane_debian_docs ALL DEPENDS ${debian_out}/changelog.gz)
install(FILES ${debian_out}/changelog.gz ${debian_out}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR "The Morvane developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MORVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-ipafont-gothic)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wrap the selected text in a start tag and an end tag")
set(CPACK_PACKAGE_DESCRIPTION "Morvane is a small one-window tool for marking up text: type or paste a
text, enter a start tag and an end tag, select part of the text and press
the button, and the selection becomes start tag, selected text and end tag.
Nothing else in the text changes.

The text is held as Shift-JIS (code page 932), as in the Windows version of
the program; a selection or tag holding a character that Shift-JIS cannot
carry is left unchanged and the character is named.")
# Installed directories get the modes Debian expects, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

add_custom_target(deb
  COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${PROJECT_BINARY_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR} VERBATIM)
add_dependencies(deb morvane morvane_data morvane_debian_docs)

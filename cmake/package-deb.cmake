# The Linux release, made by the "deb" target (or "package"): morvane_VERSION_ARCH.deb
# holding what data/CMakeLists.txt installs, under /usr. Its dependencies are read off the
# binary by dpkg-shlibdeps; the Japanese font the program asks for first is recommended.
set(MORVANE_MAINTAINER "The Morvane developers <dev@morvane.org>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR "The Morvane developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MORVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://morvane.org/)
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
add_dependencies(deb morvane morvane_data)

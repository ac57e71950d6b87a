# The release of the shipped 32-bit program, made by the "package" target:
# Morvane-VERSION-win32.zip holding the stripped Morvane.exe, a text for Windows users and
# the licence, both with Windows line ends.
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt
               ${PROJECT_BINARY_DIR}/package/README.txt @ONLY NEWLINE_STYLE WIN32)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/package/LICENSE.txt @ONLY
               NEWLINE_STYLE WIN32)
install(TARGETS Morvane RUNTIME DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/package/README.txt ${PROJECT_BINARY_DIR}/package/LICENSE.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Morvane)
set(CPACK_PACKAGE_VENDOR "The Morvane developers")
set(CPACK_PACKAGE_FILE_NAME Morvane-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)

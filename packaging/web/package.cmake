# The release of the web page, made by the "package" target: Morvane-VERSION-web.zip holding
# the page as the build's site/ folder has it (the page, its style and scripts, the module,
# the manifest, the icon and the service worker) and the licence. Unzipped, the page opens
# from its folder, or is served from any static web server.
# app/web installs the page's files.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Morvane)
set(CPACK_PACKAGE_VENDOR "The Morvane developers")
set(CPACK_PACKAGE_FILE_NAME Morvane-${PROJECT_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)

# MORVANE_HEADLESS_GTK_ENV: the variables of scripts/headless-gtk.env as a list of
# NAME=value, for test environments and for the benchmark to set before GTK starts.
# Editing the file configures the build again.
set(morvane_headless_gtk_env_file ${PROJECT_SOURCE_DIR}/scripts/headless-gtk.env)
file(STRINGS ${morvane_headless_gtk_env_file} MORVANE_HEADLESS_GTK_ENV
     REGEX "^[A-Z_][A-Z0-9_]*=")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${morvane_headless_gtk_env_file})

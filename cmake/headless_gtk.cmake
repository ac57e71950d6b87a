# MORVANE_HEADLESS_GTK_ENV: the variables of scripts/headless-gtk.env as a list of
# NAME=value, for test environments and for the benchmark to set before GTK starts.
file(STRINGS ${PROJECT_SOURCE_DIR}/scripts/headless-gtk.env MORVANE_HEADLESS_GTK_ENV
     REGEX "^[A-Z_]+=")

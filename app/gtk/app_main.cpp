#include "app/gtk/app_main.h"

#include <gtk/gtk.h>

#include <cstdlib>

#include "app/gtk/app_identity.h"
#include "app/gtk/globals.h"
#include "app/gtk/main_window.h"
#include "app/gtk/stop_dialog.h"

namespace {

// One monospaced font for the six controls: IPA Gothic, whose half-width characters are
// exactly half as wide as its full-width ones, or the system's monospaced font where it
// is missing. The tag fields give up the theme's minimum height, and the button some of
// its padding, to fit their places.
constexpr char kStyle[] =
    ".morvane-control { font-family: IPAGothic, monospace; font-size: 16px; }\n"
    "entry.morvane-control { min-height: 0; padding-top: 0; padding-bottom: 0; }\n"
    "button.morvane-control { padding-left: 4px; padding-right: 4px; }\n"
    ".morvane-message { font-size: 12px; }\n";

}  // namespace

void create_style() {
  g_style = gtk_css_provider_new();
  gtk_css_provider_load_from_data(g_style, kStyle, -1);
  gtk_style_context_add_provider_for_display(gdk_display_get_default(), GTK_STYLE_PROVIDER(g_style),
                                             GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

int32_t run_main_loop() {
  while (!g_quit_posted) g_main_context_iteration(nullptr, TRUE);
  g_quit_posted = false;
  return 0;
}

// Every stop is shown in a dialog over the main window.
void app_main() {
  plat_set_stop_notice(show_stop_dialog);
  rt_init();
  init_string_variables();
  name_application();
  if (!gtk_init_check()) plat_fatal("Morvane: cannot open the display");
  name_windows();
  create_style();
  create_main_window();
  run_main_loop();
  std::exit(0);
}

void on_destroy() {
  g_main_window = nullptr;
  release_style();
  g_quit_posted = true;
  g_main_context_wakeup(nullptr);
}

void release_style() {
  gtk_style_context_remove_provider_for_display(gdk_display_get_default(),
                                                GTK_STYLE_PROVIDER(g_style));
  g_object_unref(g_style);
  g_style = nullptr;
}

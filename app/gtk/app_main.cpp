#include "app/gtk/app_main.h"

#include <cstdlib>

#include "app/core/string_variables.h"
#include "app/gtk/app_identity.h"
#include "app/gtk/main_window.h"
#include "app/gtk/stop_dialog.h"
#include "app/gtk/style.h"

namespace {

void on_startup(GApplication*, gpointer) {
  name_windows();
  add_style(gdk_display_get_default());
}

void on_activate(GtkApplication* application, gpointer) {
  GtkWindow* window = gtk_application_get_active_window(application);
  if (!window) window = GTK_WINDOW(morvane_window_new(application));
  gtk_window_present(window);
}

}  // namespace

GtkApplication* create_application() {
  GtkApplication* application = gtk_application_new(kApplicationId, G_APPLICATION_DEFAULT_FLAGS);
  g_signal_connect(application, "startup", G_CALLBACK(on_startup), nullptr);
  g_signal_connect(application, "activate", G_CALLBACK(on_activate), nullptr);
  return application;
}

// Every stop is shown in a dialog over the main window. The display is opened before the
// application runs, so that a missing one is a stop with its message.
void app_main() {
  plat_set_stop_notice(show_stop_dialog);
  rt_init();
  init_string_variables();
  name_application();
  if (!gtk_init_check()) plat_fatal("Morvane: cannot open the display");
  GtkApplication* application = create_application();
  const int status = g_application_run(G_APPLICATION(application), 0, nullptr);
  g_object_unref(application);
  std::exit(status);
}

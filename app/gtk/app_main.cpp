#include "app/gtk/app_main.h"

#include <gtk/gtk.h>

#include <cstdlib>

#include "app/gtk/app_identity.h"
#include "app/gtk/globals.h"
#include "app/gtk/main_window.h"
#include "app/gtk/stop_dialog.h"
#include "app/gtk/style.h"

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

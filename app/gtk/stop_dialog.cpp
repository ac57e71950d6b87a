#include "app/gtk/stop_dialog.h"

#include <cstring>
#include <string>

#include "app/core/stop_notice.h"
#include "app/gtk/main_window.h"
#include "app/gtk/utf8.h"

namespace {

// Set when the dialog of the stop under way goes.
bool g_dismissed;

void on_ok_clicked(GtkButton*, gpointer dialog) { gtk_window_destroy(GTK_WINDOW(dialog)); }

void on_dialog_destroy(GtkWidget*, gpointer) { g_dismissed = true; }

// The dialog goes with its parent, so closing the main window dismisses it too.
GtkWidget* make_dialog(GtkWindow* parent, const char* text) {
  GtkWidget* dialog = gtk_window_new();
  gtk_window_set_title(GTK_WINDOW(dialog), kStopNoticeCaption);
  gtk_window_set_transient_for(GTK_WINDOW(dialog), parent);
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  gtk_window_set_destroy_with_parent(GTK_WINDOW(dialog), TRUE);
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 12);
  for (auto margin : {gtk_widget_set_margin_top, gtk_widget_set_margin_bottom,
                      gtk_widget_set_margin_start, gtk_widget_set_margin_end}) {
    margin(box, 16);
  }
  GtkWidget* label = gtk_label_new(text);
  gtk_label_set_wrap(GTK_LABEL(label), TRUE);
  gtk_label_set_max_width_chars(GTK_LABEL(label), 48);
  GtkWidget* ok = gtk_button_new_with_label("OK");
  gtk_widget_set_halign(ok, GTK_ALIGN_END);
  gtk_box_append(GTK_BOX(box), label);
  gtk_box_append(GTK_BOX(box), ok);
  gtk_window_set_child(GTK_WINDOW(dialog), box);
  g_signal_connect(ok, "clicked", G_CALLBACK(on_ok_clicked), dialog);
  g_signal_connect(dialog, "destroy", G_CALLBACK(on_dialog_destroy), nullptr);
  return dialog;
}

}  // namespace

// The notice is formed in static storage: the stop may come because the runtime's heap
// has run out. Should its conversion fail, the English line, plain ASCII, is shown alone.
void show_stop_dialog(const char* message) {
  static char text[kStopNoticeSize];
  GtkWindow* main_window = morvane_window_find();
  if (!main_window) return;
  stop_notice_text(message, text, sizeof text);
  const std::string utf8 = utf8_of_cp932(text);
  const bool converted = !utf8.empty();
  const char* english = std::strchr(text, '\n');
  // The runtime's messages are ASCII, so the notice always converts.
  const char* shown = converted ? utf8.c_str() : english ? english + 1 : message;  // GCOVR_EXCL_BR_LINE

  gtk_widget_set_sensitive(GTK_WIDGET(main_window), FALSE);
  g_dismissed = false;
  gtk_window_present(GTK_WINDOW(make_dialog(main_window, shown)));
  while (!g_dismissed) g_main_context_iteration(nullptr, TRUE);
}

#include "app/gtk/main_window.h"

#include <algorithm>
#include <string>

#include "app/core/layout.h"
#include "app/gtk/globals.h"
#include "app/gtk/main_layout.h"
#include "app/gtk/style.h"
#include "app/gtk/text_command.h"
#include "app/gtk/utf8.h"

namespace {

// The multi-line text wraps its lines and always shows its vertical scroll bar, in a
// frame of its own.
GtkWidget* make_text_frame(const char*) {
  GtkWidget* view = gtk_text_view_new();
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view), GTK_WRAP_WORD_CHAR);
  GtkWidget* frame = gtk_scrolled_window_new();
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(frame), GTK_POLICY_NEVER, GTK_POLICY_ALWAYS);
  gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(frame), FALSE);
  gtk_scrolled_window_set_has_frame(GTK_SCROLLED_WINDOW(frame), TRUE);
  gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(frame), view);
  return frame;
}

GtkWidget* make_button(const char* text) { return gtk_button_new_with_label(text); }

GtkWidget* make_entry(const char*) { return gtk_entry_new(); }

// Labels read from the left.
GtkWidget* make_label(const char* text) {
  GtkWidget* label = gtk_label_new(text);
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  return label;
}

// The GTK column of the layout: what makes each control's widget, in the layout's order.
struct GtkControl {
  int id;
  GtkWidget* (*make)(const char* text);
};

constexpr GtkControl kGtkControls[kControlCount] = {
    {IDC_TEXT, make_text_frame}, {IDC_INSERT, make_button},     {IDC_START_TAG, make_entry},
    {IDC_END_TAG, make_entry},   {IDC_START_LABEL, make_label}, {IDC_END_LABEL, make_label},
};

static_assert(follows_layout(kGtkControls), "the GTK column follows the layout's order");

// Puts the widget that make gives at the control's place, at least as large as it; returns
// it.
GtkWidget* place(GtkWidget* layout, const ControlPlace& c, GtkWidget* (*make)(const char*)) {
  GtkWidget* widget = make(utf8_of_cp932(c.text).c_str());
  gtk_widget_set_size_request(widget, c.width, c.height);
  main_layout_put(layout, widget, c);
  return widget;
}

void name_controls() {
  gtk_accessible_update_property(GTK_ACCESSIBLE(control(IDC_TEXT)), GTK_ACCESSIBLE_PROPERTY_LABEL,
                                 utf8_of_cp932(kTextName).c_str(), -1);
  for (const FieldLabel& pair : kFieldLabels) {
    gtk_label_set_mnemonic_widget(GTK_LABEL(control(pair.label)), control(pair.field));
  }
}

void on_insert_clicked(GtkButton*, gpointer) {
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(control(IDC_TEXT)));
  const std::string message =
      wrap_buffer_selection(buffer, gtk_editable_get_text(GTK_EDITABLE(control(IDC_START_TAG))),
                            gtk_editable_get_text(GTK_EDITABLE(control(IDC_END_TAG))));
  set_message_line(message.c_str());
}

// Closing destroys the window at once, without asking anything.
gboolean on_close_request(GtkWindow* window, gpointer) {
  gtk_window_destroy(window);
  return TRUE;
}

// The widgets and the style go with the window; the application ends with its last
// window.
void on_window_destroy(GtkWidget*, gpointer) {
  g_main_window = nullptr;
  std::fill(std::begin(g_controls), std::end(g_controls), nullptr);
  g_message_line = nullptr;
  release_style();
}

// Records the window and builds the controls at their places, each with the
// application's font; the message line has a smaller one of its own. Then the names for
// assistive technologies.
void on_create(GtkWidget* window) {
  g_main_window = window;
  GtkWidget* layout = main_layout_new();
  gtk_window_set_child(GTK_WINDOW(window), layout);
  for (int i = 0; i < kControlCount; ++i) {
    GtkWidget* widget = place(layout, kControls[i], kGtkControls[i].make);
    const bool framed = kControls[i].id == IDC_TEXT;
    g_controls[i] = framed ? gtk_scrolled_window_get_child(GTK_SCROLLED_WINDOW(widget)) : widget;
    gtk_widget_add_css_class(g_controls[i], "morvane-control");
  }
  g_message_line = place(layout, kMessageLine, make_label);
  gtk_widget_add_css_class(g_message_line, "morvane-message");
  gtk_label_set_wrap(GTK_LABEL(g_message_line), TRUE);
  gtk_label_set_wrap_mode(GTK_LABEL(g_message_line), PANGO_WRAP_WORD_CHAR);
  gtk_label_set_yalign(GTK_LABEL(g_message_line), 0);
  name_controls();
}

}  // namespace

// The signal wiring only dispatches to the handlers above.
void create_main_window(GtkApplication* application) {
  GtkWidget* window = gtk_application_window_new(application);
  gtk_window_set_title(GTK_WINDOW(window), kWindowCaption);
  gtk_window_set_default_size(GTK_WINDOW(window), kWindowWidth, kWindowHeight);
  on_create(window);
  g_signal_connect(control(IDC_INSERT), "clicked", G_CALLBACK(on_insert_clicked), nullptr);
  g_signal_connect(window, "close-request", G_CALLBACK(on_close_request), nullptr);
  g_signal_connect(window, "destroy", G_CALLBACK(on_window_destroy), nullptr);
  gtk_window_present(GTK_WINDOW(window));
}

GtkWidget* control(int id) {
  if (id == IDC_MESSAGE_LINE) return g_message_line;
  for (int i = 0; i < kControlCount; ++i) {
    if (kControls[i].id == id) return g_controls[i];
  }
  return nullptr;
}

void set_message_line(const char* text) { gtk_label_set_text(GTK_LABEL(g_message_line), text); }

#include "app/gtk/main_window.h"

#include "app/core/layout.h"
#include "app/gtk/insert_tags.h"
#include "app/gtk/main_layout.h"
#include "app/gtk/utf8.h"

// The controls, which the window's content holds; the text view stands in a scrolled
// frame of its own.
struct _MorvaneWindow {
  GtkApplicationWindow parent;
  GtkWidget* text;
  GtkWidget* insert;
  GtkWidget* start_tag;
  GtkWidget* end_tag;
  GtkWidget* start_label;
  GtkWidget* end_label;
};

namespace {

// The multi-line text wraps its lines and always shows its vertical scroll bar, in a
// frame of its own, which is returned.
GtkWidget* text_view_in_frame(GtkWidget* view) {
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view), GTK_WRAP_WORD_CHAR);
  GtkWidget* frame = gtk_scrolled_window_new();
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(frame), GTK_POLICY_NEVER, GTK_POLICY_ALWAYS);
  gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(frame), FALSE);
  gtk_scrolled_window_set_has_frame(GTK_SCROLLED_WINDOW(frame), TRUE);
  gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(frame), view);
  return frame;
}

// The layout's text of the control with this id, for GTK.
std::string text_of(int id) { return utf8_of_cp932(place_of(id)->text); }

// A label that reads from the left and names field for assistive technologies and its
// mnemonic.
GtkWidget* label_for(int id, GtkWidget* field) {
  GtkWidget* label = gtk_label_new(text_of(id).c_str());
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  gtk_label_set_mnemonic_widget(GTK_LABEL(label), field);
  return label;
}

// Puts widget at the place of the control with this id, at least as large as it.
void put(GtkWidget* layout, GtkWidget* widget, int id) {
  const ControlPlace& place = *place_of(id);
  gtk_widget_set_size_request(widget, place.width, place.height);
  main_layout_put(layout, widget, place);
}

void on_insert_clicked(MorvaneWindow* self) {
  insert_tags(gtk_text_view_get_buffer(GTK_TEXT_VIEW(self->text)),
              gtk_editable_get_text(GTK_EDITABLE(self->start_tag)),
              gtk_editable_get_text(GTK_EDITABLE(self->end_tag)));
}

}  // namespace

// GLib's one-time registration of the type, with branches of its own.
G_DEFINE_FINAL_TYPE(MorvaneWindow, morvane_window,  // GCOVR_EXCL_BR_LINE
                    GTK_TYPE_APPLICATION_WINDOW)

static void morvane_window_class_init(MorvaneWindowClass*) {}

// Makes the controls in the layout's order, each at its place and with the controls'
// one font, names the text for assistive technologies, and connects the button.
// Closing the window destroys it at once, without asking anything.
static void morvane_window_init(MorvaneWindow* self) {
  gtk_window_set_title(GTK_WINDOW(self), kWindowCaption);
  gtk_window_set_default_size(GTK_WINDOW(self), kWindowWidth, kWindowHeight);
  self->text = gtk_text_view_new();
  self->insert = gtk_button_new_with_label(text_of(IDC_INSERT).c_str());
  self->start_tag = gtk_entry_new();
  self->end_tag = gtk_entry_new();
  self->start_label = label_for(IDC_START_LABEL, self->start_tag);
  self->end_label = label_for(IDC_END_LABEL, self->end_tag);

  GtkWidget* layout = main_layout_new();
  put(layout, text_view_in_frame(self->text), IDC_TEXT);
  put(layout, self->insert, IDC_INSERT);
  put(layout, self->start_tag, IDC_START_TAG);
  put(layout, self->end_tag, IDC_END_TAG);
  put(layout, self->start_label, IDC_START_LABEL);
  put(layout, self->end_label, IDC_END_LABEL);
  for (GtkWidget* control : {self->text, self->insert, self->start_tag, self->end_tag,
                             self->start_label, self->end_label}) {
    gtk_widget_add_css_class(control, "morvane-control");
  }
  gtk_window_set_child(GTK_WINDOW(self), layout);

  gtk_accessible_update_property(GTK_ACCESSIBLE(self->text), GTK_ACCESSIBLE_PROPERTY_LABEL,
                                 utf8_of_cp932(kTextName).c_str(), -1);
  g_signal_connect_swapped(self->insert, "clicked", G_CALLBACK(on_insert_clicked), self);
}

GtkWindow* morvane_window_find() {
  if (!gdk_display_get_default()) return nullptr;
  GListModel* windows = gtk_window_get_toplevels();
  for (guint i = 0; i < g_list_model_get_n_items(windows); ++i) {
    GtkWindow* window = GTK_WINDOW(g_list_model_get_item(windows, i));
    g_object_unref(window);
    if (MORVANE_IS_WINDOW(window)) return window;
  }
  return nullptr;
}

GtkWidget* morvane_window_new(GtkApplication* application) {
  return GTK_WIDGET(g_object_new(MORVANE_TYPE_WINDOW, "application", application, nullptr));
}

#include "app/gtk/main_window.h"

#include "app/core/layout.h"
#include "app/gtk/app_identity.h"
#include "app/gtk/app_main.h"
#include "app/gtk/focus_order.h"
#include "app/gtk/globals.h"
#include "app/gtk/insert_tags.h"
#include "app/gtk/utf8.h"

namespace {

enum class Kind { multi_line_text, button, single_line_text, label };

// The GTK column of the layout: each control's widget kind, in the layout's order.
struct GtkControl {
  int id;
  Kind kind;
};

constexpr GtkControl kGtkControls[kControlCount] = {
    {IDC_TEXT, Kind::multi_line_text},       {IDC_INSERT, Kind::button},
    {IDC_START_TAG, Kind::single_line_text}, {IDC_END_TAG, Kind::single_line_text},
    {IDC_START_LABEL, Kind::label},          {IDC_END_LABEL, Kind::label},
};

static_assert(follows_layout(kGtkControls), "the GTK column follows the layout's order");

constexpr char kIdKey[] = "morvane-control-id";

// The multi-line text wraps its lines and always shows its vertical scroll bar; labels
// read from the left.
GtkWidget* make_widget(Kind kind, const char* text) {
  switch (kind) {  // GCOVR_EXCL_BR_LINE: the compiler's branch for a value of no Kind
    case Kind::multi_line_text: {
      GtkWidget* view = gtk_text_view_new();
      gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view), GTK_WRAP_WORD_CHAR);
      return view;
    }
    case Kind::button:
      return gtk_button_new_with_label(text);
    case Kind::single_line_text:
      return gtk_entry_new();
    case Kind::label: {
      GtkWidget* label = gtk_label_new(text);
      gtk_label_set_xalign(GTK_LABEL(label), 0);
      return label;
    }
  }
  return nullptr;  // GCOVR_EXCL_LINE: as the switch's branch
}

// GLib's type test, with branches of its own (a null object, a quick path).
bool is_text_view(GtkWidget* widget) { return GTK_IS_TEXT_VIEW(widget); }  // GCOVR_EXCL_BR_LINE

// A text view is placed in a scrolled frame; everything else as it is.
GtkWidget* frame_of(GtkWidget* widget) {
  if (!is_text_view(widget)) return widget;
  GtkWidget* frame = gtk_scrolled_window_new();
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(frame), GTK_POLICY_NEVER, GTK_POLICY_ALWAYS);
  gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(frame), FALSE);
  gtk_scrolled_window_set_has_frame(GTK_SCROLLED_WINDOW(frame), TRUE);
  gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(frame), widget);
  return frame;
}

GtkWidget* place(GtkWidget* fixed, const ControlPlace& c, Kind kind) {
  GtkWidget* widget = make_widget(kind, utf8_of_cp932(c.text).c_str());
  g_object_set_data(G_OBJECT(widget), kIdKey, GINT_TO_POINTER(c.id));
  GtkWidget* frame = frame_of(widget);
  gtk_widget_set_size_request(frame, c.width, c.height);
  gtk_fixed_put(GTK_FIXED(fixed), frame, c.x, c.y);
  return widget;
}

GtkWidget* find_control(GtkWidget* widget, int id) {
  if (GPOINTER_TO_INT(g_object_get_data(G_OBJECT(widget), kIdKey)) == id) return widget;
  for (GtkWidget* c = gtk_widget_get_first_child(widget); c; c = gtk_widget_get_next_sibling(c)) {
    if (GtkWidget* found = find_control(c, id)) return found;
  }
  return nullptr;
}

// The child of the window's content that holds a control: its scrolled frame, for the text.
GtkWidget* placed(GtkWidget* widget) {
  return is_text_view(widget) ? gtk_widget_get_parent(widget) : widget;
}

void name_controls() {
  gtk_accessible_update_property(GTK_ACCESSIBLE(control(IDC_TEXT)), GTK_ACCESSIBLE_PROPERTY_LABEL,
                                 utf8_of_cp932(kTextName).c_str(), -1);
  for (const FieldLabel& pair : kFieldLabels) {
    gtk_label_set_mnemonic_widget(GTK_LABEL(control(pair.label)), control(pair.field));
  }
}

void on_insert_clicked(GtkButton*, gpointer) { insert_tags(); }

// Closing destroys the window at once, without asking anything.
gboolean on_close_request(GtkWindow* window, gpointer) {
  gtk_window_destroy(window);
  return TRUE;
}

void on_window_destroy(GtkWidget*, gpointer) { on_destroy(); }

// Records the window and builds the controls at their fixed places, each with the
// application's font; the message line has a smaller one of its own. Then the Tab order
// and the names for assistive technologies.
void on_create(GtkWidget* window) {
  g_main_window = window;
  GtkWidget* fixed = focus_order_fixed_new();
  gtk_window_set_child(GTK_WINDOW(window), fixed);
  for (int i = 0; i < kControlCount; ++i) {
    gtk_widget_add_css_class(place(fixed, kControls[i], kGtkControls[i].kind), "morvane-control");
  }
  GtkWidget* message_line = place(fixed, kMessageLine, Kind::label);
  gtk_widget_add_css_class(message_line, "morvane-message");
  gtk_label_set_wrap(GTK_LABEL(message_line), TRUE);
  gtk_label_set_wrap_mode(GTK_LABEL(message_line), PANGO_WRAP_WORD_CHAR);
  gtk_label_set_yalign(GTK_LABEL(message_line), 0);
  for (int id : kTabOrder) focus_order_append(fixed, placed(control(id)));
  name_controls();
}

}  // namespace

// The signal wiring only dispatches to the handlers above.
void create_main_window() {
  GtkWidget* window = gtk_window_new();
  gtk_window_set_title(GTK_WINDOW(window), kWindowCaption);
  gtk_window_set_default_size(GTK_WINDOW(window), kWindowWidth, kWindowHeight);
  on_create(window);
  g_signal_connect(control(IDC_INSERT), "clicked", G_CALLBACK(on_insert_clicked), nullptr);
  g_signal_connect(window, "map", G_CALLBACK(name_toplevel), nullptr);
  g_signal_connect(window, "close-request", G_CALLBACK(on_close_request), nullptr);
  g_signal_connect(window, "destroy", G_CALLBACK(on_window_destroy), nullptr);
  gtk_window_present(GTK_WINDOW(window));
}

GtkWidget* control(int id) { return g_main_window ? find_control(g_main_window, id) : nullptr; }

void set_message_line(const char* text) {
  gtk_label_set_text(GTK_LABEL(control(IDC_MESSAGE_LINE)), text);
}

#include "app/gtk/focus_order.h"

#include <algorithm>
#include <vector>

namespace {

struct FocusOrderFixed {
  GtkFixed parent;
  std::vector<GtkWidget*>* order;
};

struct FocusOrderFixedClass {
  GtkFixedClass parent;
};

// GLib's one-time registration of the type, with branches of its own.
G_DEFINE_TYPE(FocusOrderFixed, focus_order_fixed, GTK_TYPE_FIXED)  // GCOVR_EXCL_BR_LINE

std::vector<GtkWidget*>& order_of(GtkWidget* fixed) {
  return *G_TYPE_CHECK_INSTANCE_CAST(fixed, focus_order_fixed_get_type(), FocusOrderFixed)->order;
}

// Tab first lets the child that holds the focus move it inside itself, then offers it to
// the next children of the order; false when none takes it, so the window wraps around.
gboolean focus(GtkWidget* fixed, GtkDirectionType direction) {
  if (direction != GTK_DIR_TAB_FORWARD && direction != GTK_DIR_TAB_BACKWARD) {
    return GTK_WIDGET_CLASS(focus_order_fixed_parent_class)->focus(fixed, direction);
  }
  const std::vector<GtkWidget*>& order = order_of(fixed);
  const int count = static_cast<int>(order.size());
  const int step = direction == GTK_DIR_TAB_FORWARD ? 1 : -1;
  GtkWidget* current = gtk_widget_get_focus_child(fixed);
  int i = static_cast<int>(std::find(order.begin(), order.end(), current) - order.begin());
  if (i < count && gtk_widget_child_focus(current, direction)) return TRUE;
  for (i = i < count ? i + step : step > 0 ? 0 : count - 1; i >= 0 && i < count; i += step) {
    if (gtk_widget_child_focus(order[i], direction)) return TRUE;
  }
  return FALSE;
}

void dispose(GObject* object) {
  order_of(GTK_WIDGET(object)).clear();
  G_OBJECT_CLASS(focus_order_fixed_parent_class)->dispose(object);
}

void finalize(GObject* object) {
  // GCOVR_EXCL_BR_START: delete's own test for null; the order is made with the object.
  delete G_TYPE_CHECK_INSTANCE_CAST(object, focus_order_fixed_get_type(), FocusOrderFixed)->order;
  // GCOVR_EXCL_BR_STOP
  G_OBJECT_CLASS(focus_order_fixed_parent_class)->finalize(object);
}

void focus_order_fixed_class_init(FocusOrderFixedClass* klass) {
  G_OBJECT_CLASS(klass)->dispose = dispose;
  G_OBJECT_CLASS(klass)->finalize = finalize;
  GTK_WIDGET_CLASS(klass)->focus = focus;
}

void focus_order_fixed_init(FocusOrderFixed* self) { self->order = new std::vector<GtkWidget*>; }

}  // namespace

GtkWidget* focus_order_fixed_new() {
  return GTK_WIDGET(g_object_new(focus_order_fixed_get_type(), nullptr));
}

void focus_order_append(GtkWidget* fixed, GtkWidget* child) { order_of(fixed).push_back(child); }

#include "app/gtk/main_layout.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kTabStops = static_cast<int>(std::size(kTabOrder));

struct MainLayout {
  GtkWidget parent;
  GtkWidget* children[kControlCount];
  const ControlPlace* places[kControlCount];
  int count;
  GtkWidget* tab_order[kTabStops];  // the children of kTabOrder, in its order
};

struct MainLayoutClass {
  GtkWidgetClass parent;
};

// GLib's one-time registration of the type, with branches of its own.
G_DEFINE_TYPE(MainLayout, main_layout, GTK_TYPE_WIDGET)  // GCOVR_EXCL_BR_LINE

MainLayout* layout_of(GtkWidget* widget) {
  return G_TYPE_CHECK_INSTANCE_CAST(widget, main_layout_get_type(), MainLayout);
}

// The default size, in either direction.
void measure(GtkWidget*, GtkOrientation orientation, int, int* minimum, int* natural, int*,
             int*) {
  *minimum = *natural = orientation == GTK_ORIENTATION_HORIZONTAL ? kWindowWidth : kWindowHeight;
}

// Each child at its place, moved down or grown by the room beyond the default size, and
// never smaller than it can be.
void size_allocate(GtkWidget* widget, int width, int height, int) {
  const MainLayout* layout = layout_of(widget);
  const int extra_width = std::max(0, width - kWindowWidth);
  const int extra_height = std::max(0, height - kWindowHeight);
  for (int i = 0; i < layout->count; ++i) {
    const ControlPlace& place = *layout->places[i];
    const bool grows = place.id == kGrowingControl;
    GtkRequisition least;
    gtk_widget_get_preferred_size(layout->children[i], &least, nullptr);
    const GtkAllocation allocation = {
        place.x, grows ? place.y : place.y + extra_height,
        std::max(least.width, place.width + (grows ? extra_width : 0)),
        std::max(least.height, place.height + (grows ? extra_height : 0))};
    gtk_widget_size_allocate(layout->children[i], &allocation, -1);
  }
}

// Tab offers the focus to the controls after the one that holds it, in the order, and
// returns false when none takes it, so that the window wraps around. No control has a
// focus of its own to move through first. Other directions move by place, as GTK does.
gboolean focus(GtkWidget* widget, GtkDirectionType direction) {
  if (direction != GTK_DIR_TAB_FORWARD && direction != GTK_DIR_TAB_BACKWARD) {
    return GTK_WIDGET_CLASS(main_layout_parent_class)->focus(widget, direction);
  }
  const MainLayout* layout = layout_of(widget);
  const int step = direction == GTK_DIR_TAB_FORWARD ? 1 : -1;
  GtkWidget* current = gtk_widget_get_focus_child(widget);
  // With no focus yet, the search starts before the first control, or after the last.
  int at = step > 0 ? -1 : kTabStops;
  for (int i = 0; i < kTabStops; ++i) {
    if (layout->tab_order[i] == current) at = i;
  }
  for (int i = at + step; i >= 0 && i < kTabStops; i += step) {
    if (gtk_widget_child_focus(layout->tab_order[i], direction)) return TRUE;
  }
  return FALSE;
}

void dispose(GObject* object) {
  MainLayout* layout = layout_of(GTK_WIDGET(object));
  for (int i = 0; i < layout->count; ++i) gtk_widget_unparent(layout->children[i]);
  layout->count = 0;
  G_OBJECT_CLASS(main_layout_parent_class)->dispose(object);
}

void main_layout_class_init(MainLayoutClass* klass) {
  G_OBJECT_CLASS(klass)->dispose = dispose;
  GTK_WIDGET_CLASS(klass)->measure = measure;
  GTK_WIDGET_CLASS(klass)->size_allocate = size_allocate;
  GTK_WIDGET_CLASS(klass)->focus = focus;
}

void main_layout_init(MainLayout*) {}

}  // namespace

GtkWidget* main_layout_new() { return GTK_WIDGET(g_object_new(main_layout_get_type(), nullptr)); }

void main_layout_put(GtkWidget* widget, GtkWidget* child, const ControlPlace& place) {
  MainLayout* layout = layout_of(widget);
  layout->children[layout->count] = child;
  layout->places[layout->count] = &place;
  ++layout->count;
  for (int i = 0; i < kTabStops; ++i) {
    if (kTabOrder[i] == place.id) layout->tab_order[i] = child;
  }
  gtk_widget_set_parent(child, widget);
}

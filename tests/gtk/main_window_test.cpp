// The main window: its six controls at their places with one font, before and after the
// window is resized, and the application's run, which ends with it.
#include "tests/gtk/gtk_fixture.h"

namespace {

struct ExpectedControl {
  int id;
  GType (*type)();
  const char* text;
  int x, y, width, height;  // in the window's content area, at the default size
};

const ExpectedControl kLayout[] = {
    {IDC_TEXT, gtk_text_view_get_type, "", 34, 21, 330, 206},
    {IDC_INSERT, gtk_button_get_type, "タグ挿入", 275, 244, 89, 69},
    {IDC_START_TAG, gtk_entry_get_type, "", 122, 245, 142, 26},
    {IDC_END_TAG, gtk_entry_get_type, "", 122, 287, 142, 26},
    {IDC_START_LABEL, gtk_label_get_type, "開始タグ", 34, 245, 82, 26},
    {IDC_END_LABEL, gtk_label_get_type, "終了タグ", 34, 287, 82, 26},
};

std::string bounds_text(int x, int y, int width, int height) {
  return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" +
         std::to_string(height);
}

// The bounds of what holds the control in the window's content (for the text view, its
// scrolled frame).
std::string placed_bounds(GtkWidget* control) {
  GtkWidget* content = gtk_window_get_child(main_window());
  while (gtk_widget_get_parent(control) != content) control = gtk_widget_get_parent(control);
  graphene_rect_t r;
  if (!gtk_widget_compute_bounds(control, content, &r)) return "not laid out";
  return bounds_text(int(r.origin.x), int(r.origin.y), int(r.size.width), int(r.size.height));
}

std::string font_of(GtkWidget* widget) {
  char* font = pango_font_description_to_string(
      pango_context_get_font_description(gtk_widget_get_pango_context(widget)));
  std::string result = font;
  g_free(font);
  return result;
}

// The content is 408 x 360 at the default size, and cannot be made smaller; a larger
// window gives the text the room beyond it, and what stands below the text moves down
// with it, keeping its size. The window's outer height holds the title bar where GTK draws
// it (Wayland), so the room is read off the content.
TEST_F(MainWindowTest, PlacesTheControlsAndGivesTheTextTheRoom) {
  EXPECT_STREQ("Morvane", gtk_window_get_title(main_window()));
  GtkWidget* content = gtk_window_get_child(main_window());
  const struct {
    int width, height;
  } asked[] = {{408, 360}, {200, 100}, {1000, 700}, {640, 360}};
  for (const auto& size : asked) {
    SCOPED_TRACE(::testing::Message() << "window asked to be " << size.width << "x" << size.height);
    gtk_window_set_default_size(main_window(), size.width, size.height);
    const int width = std::max(size.width, 408);
    ASSERT_TRUE(wait_until([&] {
      return gtk_widget_get_width(content) == width &&
             placed_bounds(control(IDC_TEXT)) ==
                 bounds_text(34, 21, width - 78, gtk_widget_get_height(content) - 154);
    })) << "content " << gtk_widget_get_width(content) << " wide, the text at "
        << placed_bounds(control(IDC_TEXT));
    const int extra_width = width - 408, extra_height = gtk_widget_get_height(content) - 360;
    EXPECT_EQ(size.height > 360, extra_height > 0) << "content " << extra_height + 360 << " high";
    for (const ExpectedControl& e : kLayout) {
      SCOPED_TRACE(::testing::Message() << "control " << e.id);
      GtkWidget* widget = control(e.id);
      ASSERT_NE(nullptr, widget);
      EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(widget, e.type())) << G_OBJECT_TYPE_NAME(widget);
      EXPECT_EQ(e.text, text_of(widget));
      const bool text = e.id == IDC_TEXT;
      EXPECT_EQ(text ? bounds_text(e.x, e.y, e.width + extra_width, e.height + extra_height)
                     : bounds_text(e.x, e.y + extra_height, e.width, e.height),
                placed_bounds(widget));
      EXPECT_EQ("IPAGothic,monospace 16px", font_of(widget));
    }
    if (size.width == 1000) {
      EXPECT_GE((330 + extra_width) * (206 + extra_height), 5 * 330 * 206 / 2)
          << "the text has two and a half times its area at the default size";
    }
  }
  GtkWidget* frame = gtk_widget_get_parent(control(IDC_TEXT));
  GtkPolicyType horizontal, vertical;
  gtk_scrolled_window_get_policy(GTK_SCROLLED_WINDOW(frame), &horizontal, &vertical);
  EXPECT_EQ(GTK_POLICY_ALWAYS, vertical) << "a vertical scroll bar, always shown";
  EXPECT_FALSE(gtk_scrolled_window_get_overlay_scrolling(GTK_SCROLLED_WINDOW(frame)));
  EXPECT_EQ(nullptr, control(0)) << "no control has the id 0";
  EXPECT_EQ(nullptr, gtk_widget_get_next_sibling(control(IDC_END_LABEL)))
      << "the six controls and nothing else";
}

// The id of the control that holds the keyboard focus (an entry's is its inner text); 0
// for none.
int focused_control() {
  GtkWidget* focus = gtk_window_get_focus(main_window());
  for (const ExpectedControl& e : kLayout) {
    if (focus && (control(e.id) == focus || gtk_widget_is_ancestor(focus, control(e.id)))) {
      return e.id;
    }
  }
  return 0;
}

// A check of GTK's accessible interface gives null when it holds, else the value found.
void expect_accessible(const char* what, char* mismatch) {
  if (mismatch) ADD_FAILURE() << what << " is not the expected one: found " << mismatch;
  g_free(mismatch);
}

// What assistive technologies read, and the focus: on the text at first, then Tab and
// Shift+Tab going round the text, the two tag fields and the button in reading order.
TEST_F(MainWindowTest, IsNamedForAssistiveTechnologiesAndTabsInReadingOrder) {
  auto named = [](GtkWidget* widget, const char* name) {
    return gtk_test_accessible_check_property(GTK_ACCESSIBLE(widget), GTK_ACCESSIBLE_PROPERTY_LABEL,
                                              name);
  };
  auto labelled = [](int field, int label) {
    return gtk_test_accessible_check_relation(GTK_ACCESSIBLE(control(field)),
                                              GTK_ACCESSIBLE_RELATION_LABELLED_BY, control(label),
                                              nullptr);
  };
  expect_accessible("the window's name", named(GTK_WIDGET(main_window()), "Morvane"));
  expect_accessible("the text's name", named(control(IDC_TEXT), "テキスト"));
  expect_accessible("the button's name", named(control(IDC_INSERT), "タグ挿入"));
  expect_accessible("the start tag's label", labelled(IDC_START_TAG, IDC_START_LABEL));
  expect_accessible("the end tag's label", labelled(IDC_END_TAG, IDC_END_LABEL));
  std::vector<int> order = {focused_control()};
  for (auto direction : {GTK_DIR_TAB_FORWARD, GTK_DIR_TAB_BACKWARD}) {
    for (int i = 0; i < 4; ++i) {
      gtk_widget_child_focus(GTK_WIDGET(main_window()), direction);
      order.push_back(focused_control());
    }
  }
  EXPECT_EQ((std::vector<int>{IDC_TEXT, IDC_START_TAG, IDC_END_TAG, IDC_INSERT, IDC_TEXT,
                              IDC_INSERT, IDC_END_TAG, IDC_START_TAG, IDC_TEXT}),
            order)
      << "the focus at first, after four Tabs, then after four Shift+Tabs";
  // Shift+Tab into the window, from no focus, goes to the last of the order.
  gtk_window_set_focus(main_window(), nullptr);
  gtk_widget_child_focus(GTK_WIDGET(main_window()), GTK_DIR_TAB_BACKWARD);
  EXPECT_EQ(IDC_INSERT, focused_control()) << "the focus after Shift+Tab from none";
  // The arrow keys move by place, as in any fixed layout: down from the start tag.
  gtk_widget_grab_focus(control(IDC_START_TAG));
  gtk_widget_child_focus(GTK_WIDGET(main_window()), GTK_DIR_DOWN);
  EXPECT_EQ(IDC_END_TAG, focused_control()) << "the focus after the down arrow";
}

// The application runs until its window is closed: its activation makes the window, and
// a second one (a second start, where a session bus hands it over) shows it again and
// makes no other; a close request destroys the window, and the run ends with 0.
struct SeenInRun {
  guint windows = 0, windows_after_second_start = 0;
  GtkWindow* window = nullptr;
};

TEST(ApplicationTest, RunsUntilItsWindowIsClosed) {
  GtkApplication* application = create_application();
  SeenInRun run;
  g_timeout_add(10, [](gpointer data) -> gboolean {
    if (!main_window() || !gtk_widget_get_mapped(GTK_WIDGET(main_window()))) {
      return G_SOURCE_CONTINUE;
    }
    SeenInRun& run = *static_cast<SeenInRun*>(data);
    run.windows = g_list_model_get_n_items(gtk_window_get_toplevels());
    g_application_activate(G_APPLICATION(gtk_window_get_application(main_window())));
    run.windows_after_second_start = g_list_model_get_n_items(gtk_window_get_toplevels());
    run.window = main_window();
    g_object_add_weak_pointer(G_OBJECT(run.window), reinterpret_cast<gpointer*>(&run.window));
    gtk_window_close(main_window());
    return G_SOURCE_REMOVE;
  }, &run);
  EXPECT_EQ(0, g_application_run(G_APPLICATION(application), 0, nullptr));
  g_object_unref(application);
  EXPECT_EQ(run.windows, run.windows_after_second_start) << "windows after the second start";
  EXPECT_EQ(nullptr, run.window) << "the window and its widgets are gone";
  EXPECT_EQ(string_variables(), live_strings()) << "the registry holds just the 32 variables";
}

}  // namespace

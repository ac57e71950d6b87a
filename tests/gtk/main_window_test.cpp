// The main window: its six controls at their places with one font, before and after the
// window is resized, and how it ends.
#include "tests/gtk/gtk_fixture.h"

namespace {

struct ExpectedControl {
  int id;
  GType (*type)();
  const char* text;
  const char* bounds;  // "x,y widthxheight" in the window's content area
};

const ExpectedControl kLayout[] = {
    {IDC_TEXT, gtk_text_view_get_type, "", "34,21 330x206"},
    {IDC_INSERT, gtk_button_get_type, "タグ挿入", "275,244 89x69"},
    {IDC_START_TAG, gtk_entry_get_type, "", "122,245 142x26"},
    {IDC_END_TAG, gtk_entry_get_type, "", "122,287 142x26"},
    {IDC_START_LABEL, gtk_label_get_type, "開始タグ", "34,245 82x26"},
    {IDC_END_LABEL, gtk_label_get_type, "終了タグ", "34,287 82x26"},
};

// The bounds of what holds the control in the window's content (for the text view, its
// scrolled frame).
std::string placed_bounds(GtkWidget* control) {
  GtkWidget* content = gtk_window_get_child(GTK_WINDOW(g_main_window));
  while (gtk_widget_get_parent(control) != content) control = gtk_widget_get_parent(control);
  graphene_rect_t r;
  if (!gtk_widget_compute_bounds(control, content, &r)) return "not laid out";
  return std::to_string(int(r.origin.x)) + "," + std::to_string(int(r.origin.y)) + " " +
         std::to_string(int(r.size.width)) + "x" + std::to_string(int(r.size.height));
}

std::string font_of(GtkWidget* widget) {
  char* font = pango_font_description_to_string(
      pango_context_get_font_description(gtk_widget_get_pango_context(widget)));
  std::string result = font;
  g_free(font);
  return result;
}

TEST_F(MainWindowTest, HasTheSixControlsAtFixedPlacesWithOneFont) {
  EXPECT_STREQ("Morvane", gtk_window_get_title(GTK_WINDOW(g_main_window)));
  // Where GTK draws the title bar itself (Wayland), the default size holds it too, and the
  // content keeps just the height that the controls need (the message line ends at 355).
  GtkWidget* content = gtk_window_get_child(GTK_WINDOW(g_main_window));
  EXPECT_EQ(gtk_widget_has_css_class(g_main_window, "csd") ? "408x355" : "408x360",
            std::to_string(gtk_widget_get_width(content)) + "x" +
                std::to_string(gtk_widget_get_height(content)));
  for (int width : {408, 700}) {
    gtk_window_set_default_size(GTK_WINDOW(g_main_window), width, 600);
    ASSERT_TRUE(wait_until([=] { return gtk_widget_get_width(g_main_window) == width; }));
    for (const ExpectedControl& e : kLayout) {
      SCOPED_TRACE(::testing::Message() << "control " << e.id << ", window width " << width);
      GtkWidget* widget = control(e.id);
      ASSERT_NE(nullptr, widget);
      EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(widget, e.type())) << G_OBJECT_TYPE_NAME(widget);
      EXPECT_EQ(e.text, text_of(widget));
      EXPECT_EQ(e.bounds, placed_bounds(widget));
      EXPECT_EQ("IPAGothic,monospace 16px", font_of(widget));
    }
  }
  GtkScrolledWindow* frame = GTK_SCROLLED_WINDOW(gtk_widget_get_parent(control(IDC_TEXT)));
  GtkPolicyType horizontal, vertical;
  gtk_scrolled_window_get_policy(frame, &horizontal, &vertical);
  EXPECT_EQ(GTK_POLICY_ALWAYS, vertical) << "a vertical scroll bar, always shown";
  EXPECT_FALSE(gtk_scrolled_window_get_overlay_scrolling(frame));
  EXPECT_EQ("", text_of(control(IDC_MESSAGE_LINE)));
}

// The id of the control that holds the keyboard focus (an entry's is its inner text); 0
// for none.
int focused_control() {
  GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(g_main_window));
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
  expect_accessible("the window's name", named(g_main_window, "Morvane"));
  expect_accessible("the text's name", named(control(IDC_TEXT), "テキスト"));
  expect_accessible("the button's name", named(control(IDC_INSERT), "タグ挿入"));
  expect_accessible("the start tag's label", labelled(IDC_START_TAG, IDC_START_LABEL));
  expect_accessible("the end tag's label", labelled(IDC_END_TAG, IDC_END_LABEL));
  std::vector<int> order = {focused_control()};
  for (auto direction : {GTK_DIR_TAB_FORWARD, GTK_DIR_TAB_BACKWARD}) {
    for (int i = 0; i < 4; ++i) {
      gtk_widget_child_focus(g_main_window, direction);
      order.push_back(focused_control());
    }
  }
  EXPECT_EQ((std::vector<int>{IDC_TEXT, IDC_START_TAG, IDC_END_TAG, IDC_INSERT, IDC_TEXT,
                              IDC_INSERT, IDC_END_TAG, IDC_START_TAG, IDC_TEXT}),
            order)
      << "the focus at first, after four Tabs, then after four Shift+Tabs";
  // Shift+Tab into the window, from no focus, goes to the last of the order.
  gtk_window_set_focus(GTK_WINDOW(g_main_window), nullptr);
  gtk_widget_child_focus(g_main_window, GTK_DIR_TAB_BACKWARD);
  EXPECT_EQ(IDC_INSERT, focused_control()) << "the focus after Shift+Tab from none";
  // The arrow keys move by place, as in any fixed layout: down from the start tag.
  gtk_widget_grab_focus(control(IDC_START_TAG));
  gtk_widget_child_focus(g_main_window, GTK_DIR_DOWN);
  EXPECT_EQ(IDC_END_TAG, focused_control()) << "the focus after the down arrow";
}

// A close request destroys the window, releases the style and ends the main loop.
TEST_F(MainWindowTest, CloseDestroysTheWindowAndEndsTheLoop) {
  GtkCssProvider* style = g_style;
  g_object_add_weak_pointer(G_OBJECT(style), reinterpret_cast<gpointer*>(&style));
  gtk_window_close(GTK_WINDOW(g_main_window));
  EXPECT_EQ(nullptr, g_main_window);
  EXPECT_EQ(nullptr, style) << "the style is released";
  EXPECT_EQ(0, run_main_loop()) << "the loop ends at once";
}

}  // namespace

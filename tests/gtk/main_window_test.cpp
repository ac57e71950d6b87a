// The main window: its six controls at their places with one font, the window itself, and
// how it ends.
#include "tests/gtk/gtk_fixture.h"

namespace {

struct ExpectedControl {
  int id;
  GType (*type)();
  const char* text;
  graphene_rect_t bounds;  // x, y, width, height in the window's content area
};

const ExpectedControl kLayout[] = {
    {IDC_TEXT, gtk_text_view_get_type, "", {{34, 21}, {330, 206}}},
    {IDC_INSERT, gtk_button_get_type, "タグ挿入", {{275, 244}, {89, 69}}},
    {IDC_START_TAG, gtk_entry_get_type, "", {{122, 245}, {142, 26}}},
    {IDC_END_TAG, gtk_entry_get_type, "", {{122, 287}, {142, 26}}},
    {IDC_START_LABEL, gtk_label_get_type, "開始タグ", {{34, 245}, {82, 26}}},
    {IDC_END_LABEL, gtk_label_get_type, "終了タグ", {{34, 287}, {82, 26}}},
};

std::string rect_text(const graphene_rect_t& r) {
  char text[64];
  std::snprintf(text, sizeof text, "%g,%g %gx%g", r.origin.x, r.origin.y, r.size.width,
                r.size.height);
  return text;
}

// The bounds of what holds the control in the window's content (a text view's scrolled
// frame), relative to the content.
std::string placed_bounds(GtkWidget* control) {
  GtkWidget* content = gtk_window_get_child(GTK_WINDOW(g_main_window));
  GtkWidget* placed = control;
  while (gtk_widget_get_parent(placed) != content) placed = gtk_widget_get_parent(placed);
  graphene_rect_t r;
  if (!gtk_widget_compute_bounds(placed, content, &r)) return "not laid out";
  return rect_text(r);
}

std::string font_of(GtkWidget* widget) {
  char* font = pango_font_description_to_string(
      pango_context_get_font_description(gtk_widget_get_pango_context(widget)));
  std::string result = font;
  g_free(font);
  return result;
}

TEST_F(MainWindowTest, HasTheSixControlsAtTheirPlacesWithOneFont) {
  for (const ExpectedControl& e : kLayout) {
    SCOPED_TRACE(e.id);
    GtkWidget* widget = control(e.id);
    ASSERT_NE(nullptr, widget);
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(widget, e.type())) << G_OBJECT_TYPE_NAME(widget);
    EXPECT_EQ(e.text, text_of(widget));
    EXPECT_EQ(rect_text(e.bounds), placed_bounds(widget));
    EXPECT_EQ("IPAGothic,monospace 16px", font_of(widget));
  }
  GtkWidget* frame = gtk_widget_get_parent(control(IDC_TEXT));
  GtkPolicyType horizontal, vertical;
  gtk_scrolled_window_get_policy(GTK_SCROLLED_WINDOW(frame), &horizontal, &vertical);
  EXPECT_EQ(GTK_POLICY_NEVER, horizontal);
  EXPECT_EQ(GTK_POLICY_ALWAYS, vertical) << "a vertical scroll bar, always shown";
  EXPECT_FALSE(gtk_scrolled_window_get_overlay_scrolling(GTK_SCROLLED_WINDOW(frame)));
  EXPECT_EQ("", text_of(control(IDC_MESSAGE_LINE)));
}

TEST_F(MainWindowTest, WindowKeepsItsControlsInPlaceWhenResized) {
  EXPECT_STREQ("Morvane", gtk_window_get_title(GTK_WINDOW(g_main_window)));
  EXPECT_EQ(408, gtk_widget_get_width(g_main_window));
  EXPECT_EQ(360, gtk_widget_get_height(g_main_window));
  gtk_window_set_default_size(GTK_WINDOW(g_main_window), 700, 600);
  ASSERT_TRUE(wait_until([] { return gtk_widget_get_width(g_main_window) == 700; }))
      << "width " << gtk_widget_get_width(g_main_window);
  for (const ExpectedControl& e : kLayout) {
    EXPECT_EQ(rect_text(e.bounds), placed_bounds(control(e.id))) << "control " << e.id;
  }
}

TEST_F(MainWindowTest, StartUpLeavesJustTheStringVariables) {
  std::vector<RtString> live = live_strings();
  ASSERT_EQ(size_t(kStringVariableCount), live.size());
  EXPECT_EQ(string_variables(), live);
  for (RtString s : live) EXPECT_EQ(0, str_length(s));
}

// A close request destroys the window, releases the font and ends the main loop.
TEST_F(MainWindowTest, CloseDestroysTheWindowAndEndsTheLoop) {
  GtkWidget* window = g_main_window;
  g_object_add_weak_pointer(G_OBJECT(window), reinterpret_cast<gpointer*>(&window));
  GtkCssProvider* font = g_font;
  g_object_add_weak_pointer(G_OBJECT(font), reinterpret_cast<gpointer*>(&font));
  gtk_window_close(GTK_WINDOW(g_main_window));
  EXPECT_EQ(nullptr, g_main_window);
  EXPECT_EQ(nullptr, g_font);
  EXPECT_EQ(0, run_main_loop()) << "the quit ends the loop";
  EXPECT_EQ(nullptr, window) << "the window is gone";
  EXPECT_EQ(nullptr, font) << "the font is gone";
}

}  // namespace

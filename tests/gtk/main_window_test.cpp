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
  EXPECT_EQ(408, gtk_widget_get_width(g_main_window));
  EXPECT_EQ(360, gtk_widget_get_height(g_main_window));
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

// A close request destroys the window, releases the font and ends the main loop.
TEST_F(MainWindowTest, CloseDestroysTheWindowAndEndsTheLoop) {
  GtkCssProvider* font = g_font;
  g_object_add_weak_pointer(G_OBJECT(font), reinterpret_cast<gpointer*>(&font));
  gtk_window_close(GTK_WINDOW(g_main_window));
  EXPECT_EQ(nullptr, g_main_window);
  EXPECT_EQ(nullptr, font) << "the font is released";
  EXPECT_EQ(0, run_main_loop()) << "the loop ends at once";
}

}  // namespace

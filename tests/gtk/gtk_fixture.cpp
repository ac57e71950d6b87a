#include "tests/gtk/gtk_fixture.h"

#include <cstdlib>

namespace {

// Once per process, as the program's start-up does after rt_init: the string variables,
// the application's names, the display (X11's that DISPLAY names, or Wayland's where
// GDK_BACKEND=wayland) and the application, registered, which starts it up. A death test
// runs in a fresh process of its own, which opens its own connection to the display
// instead of sharing the parent's.
class ProgramEnvironment : public ::testing::Environment {
  void SetUp() override {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    init_string_variables();
    name_application();
    ASSERT_TRUE(gtk_init_check())
        << "cannot open the display that DISPLAY (or with GDK_BACKEND=wayland, WAYLAND_DISPLAY) "
           "names; ./test starts one; by hand: source scripts/virtual-display.sh; "
           "start_virtual_display";
    g_application = create_application();
    ASSERT_TRUE(g_application_register(G_APPLICATION(g_application), nullptr, nullptr));
  }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

}  // namespace

GtkApplication* g_application;

GtkTextBuffer* text_buffer() { return gtk_text_view_get_buffer(GTK_TEXT_VIEW(control(IDC_TEXT))); }

std::string text_of(GtkWidget* widget) {
  if (GTK_IS_EDITABLE(widget)) return gtk_editable_get_text(GTK_EDITABLE(widget));
  if (GTK_IS_BUTTON(widget)) return gtk_button_get_label(GTK_BUTTON(widget));
  if (GTK_IS_LABEL(widget)) return gtk_label_get_text(GTK_LABEL(widget));
  GtkTextIter begin, end;
  gtk_text_buffer_get_bounds(text_buffer(), &begin, &end);
  char* text = gtk_text_buffer_get_text(text_buffer(), &begin, &end, TRUE);
  std::string result = text;
  g_free(text);
  return result;
}

void set_text(GtkWidget* widget, const std::string& utf8) {
  if (GTK_IS_EDITABLE(widget)) return gtk_editable_set_text(GTK_EDITABLE(widget), utf8.c_str());
  gtk_text_buffer_begin_irreversible_action(text_buffer());
  gtk_text_buffer_set_text(text_buffer(), utf8.data(), static_cast<int>(utf8.size()));
  gtk_text_buffer_end_irreversible_action(text_buffer());
}

void click_insert() { g_signal_emit_by_name(control(IDC_INSERT), "clicked"); }

bool wait_until(const std::function<bool()>& done) {
  for (int i = 0; i < 5000 && !done(); ++i) {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    if (!done()) g_usleep(1000);
  }
  return done();
}

std::vector<RtString> string_variables() {
  return std::vector<RtString>(g_string_vars, g_string_vars + kStringVariableCount);
}

void MainWindowTest::SetUp() {
  g_application_activate(G_APPLICATION(g_application));
  ASSERT_TRUE(wait_until([] { return gtk_widget_get_width(control(IDC_TEXT)) > 0; }))
      << "the main window was not laid out";
}

void MainWindowTest::TearDown() {
  if (main_window()) gtk_window_destroy(main_window());
  EXPECT_EQ(string_variables(), live_strings()) << "the registry holds just the 32 variables";
}

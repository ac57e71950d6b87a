// Fixtures of the GTK tests: the real main window, made by the program's own start-up
// steps in the test process on the display that DISPLAY names, and helpers that drive its
// widgets with their own calls and signals. Texts are UTF-8, as GTK holds them.
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string>
#include <vector>

#include "app/core/layout.h"
#include "app/core/string_variables.h"
#include "app/gtk/app_identity.h"
#include "app/gtk/app_main.h"
#include "app/gtk/main_window.h"
#include "tests/gtk/controls.h"
#include "tests/support/runtime_support.h"

// The program's application, registered once per process; each activation makes a main
// window while there is none.
extern GtkApplication* g_application;

GtkTextBuffer* text_buffer();
// The text of a text view, an entry, a label or a button.
std::string text_of(GtkWidget* widget);
// Sets the text of a text view (leaving no undo history) or of an entry.
void set_text(GtkWidget* widget, const std::string& utf8);
// Clicks the Insert-tag button: its "clicked" signal, as a click with the pointer emits it.
void click_insert();
// Runs the main loop until done() holds; false when it does not within five seconds.
bool wait_until(const std::function<bool()>& done);
// g_string_vars, in index order.
std::vector<RtString> string_variables();

// A main window for every test, made by activating the application, shown and laid out,
// destroyed afterwards; the registry must hold just the 32 string variables, and so
// nothing that start-up or the test made.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

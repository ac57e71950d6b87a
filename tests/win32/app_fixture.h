// Fixtures of the Windows tests: the real main window, made by the program's own start-up
// steps in the test process, and helpers that drive its controls with messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/core/layout.h"
#include "app/win32/app_main.h"
#include "app/win32/gdi_objects.h"
#include "app/win32/globals.h"
#include "app/win32/main_window.h"
#include "tests/support/runtime_support.h"

HWND child(int id);
// The window's text, as many bytes as WM_GETTEXTLENGTH reports.
std::string window_text(HWND window);
void set_text(HWND window, const std::string& bytes);
// Selects the text edit's bytes from anchor to caret (anchor > caret: dragged right to
// left), converted to the positions that the control counts in.
void select_bytes(int32_t anchor, int32_t caret);
// Presses the Insert-tag button.
void click_insert();
// g_string_vars, in index order.
std::vector<RtString> string_variables();

// A main window for every test, destroyed afterwards; the registry must hold just the
// 32 string variables when the test ends.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

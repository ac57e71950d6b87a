#include "tests/win32/app_fixture.h"

#include "tests/win32/system_trace.h"

namespace {

// Once per process, as the program's start-up does after rt_init: the string variables.
// The hooks go in first.
class ProgramEnvironment : public ::testing::Environment {
  void SetUp() override {
    hook_system_calls();
    init_string_variables();
  }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

// Positions of the text edit count characters under Wine and bytes under Windows; the
// end of a whole-text selection tells which.
bool edit_counts_characters(HWND edit, const std::string& text) {
  SendMessageA(edit, EM_SETSEL, 0, -1);
  DWORD end = 0;
  SendMessageA(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
  return end != text.size();
}

int32_t to_edit_position(const std::string& text, int32_t byte, bool characters) {
  if (!characters) return byte;
  int32_t position = 0;
  for (int32_t i = 0; i < byte; ++position) {
    i += IsDBCSLeadByte(static_cast<BYTE>(text[size_t(i)])) ? 2 : 1;
  }
  return position;
}

}  // namespace

HWND child(int id) { return GetDlgItem(g_main_hwnd, id); }

std::string window_text(HWND window) {
  LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(size_t(length) + 1, '\0');
  SendMessageA(window, WM_GETTEXT, WPARAM(text.size()), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(size_t(length));
  return text;
}

void set_text(HWND window, const std::string& bytes) {
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
}

void select_bytes(int32_t anchor, int32_t caret) {
  HWND edit = child(IDC_TEXT);
  std::string text = window_text(edit);
  bool characters = edit_counts_characters(edit, text);
  SendMessageA(edit, EM_SETSEL, WPARAM(to_edit_position(text, anchor, characters)),
               LPARAM(to_edit_position(text, caret, characters)));
}

void click_insert() { SendMessageA(child(IDC_INSERT), BM_CLICK, 0, 0); }

std::vector<RtString> string_variables() {
  return std::vector<RtString>(g_string_vars, g_string_vars + kStringVariableCount);
}

// The rest of start-up, in its order, for every test: the classes take the new brush.
void MainWindowTest::SetUp() {
  create_gdi_objects();
  register_window_classes();
  create_main_window();
  ASSERT_TRUE(IsWindow(g_main_hwnd));
}

void MainWindowTest::TearDown() {
  if (IsWindow(g_main_hwnd)) DestroyWindow(g_main_hwnd);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
  UnregisterClassA("NORMAL0", GetModuleHandleA(nullptr));
  UnregisterClassA("NORMALDLG", GetModuleHandleA(nullptr));
  EXPECT_EQ(string_variables(), live_strings()) << "the registry holds just the 32 variables";
  expect_heap_intact();
}

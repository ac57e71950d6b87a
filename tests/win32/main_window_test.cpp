// The program from start-up to its end, traced against the one table; the messages that
// the main window handles and those it passes on.
#include "tests/support/import_hook.h"
#include "tests/support/trace.h"
#include "tests/win32/app_fixture.h"
#include "tests/win32/system_trace.h"

namespace {

// Start-up to the end, in a process of its own: the registry and the 32 string variables,
// the font, the brush, the class records, the main window and its six controls, each with
// the font; then WM_CLOSE, fetched for any window with no filter, translated and
// dispatched, and the objects deleted, the quit, the loop's end and the exit.
TEST(StartUpDeathTest, MakesEverythingInOrderAndEndsWithTheWindow) {
  std::vector<std::string> expected = {"HeapAlloc(0, 1)"};
  for (int i = 1; i <= 32; ++i) expected.push_back("new(0) #" + std::to_string(i));
  const std::string record = sizeof(void*) == 4 ? "RegisterClassExA(48, 0xb, " : "RegisterClassExA(80, 0xb, ";
  const std::string fields = ", 0, 0, module, icon 32512, cursor 32512, brush, 0, ";
  const std::string main_window = "CreateWindowExA(0, NORMAL0, Morvane, 0x10cf0000, " +
                                  std::to_string(CW_USEDEFAULT) + ", " +
                                  std::to_string(CW_USEDEFAULT) + ", 408, 360, 0, 0, module, 0)";
  expected.insert(expected.end(),
                  {"CreateFontA(-19, 0, 0, 0, 400, 0, 0, 0, 0x80, 0x1, 0x2, 0x1, 0x1, FixedSys)",
                   "CreateSolidBrush(button face)",
                   record + "dlg_wnd_proc" + fields + "NORMALDLG, icon 32517)",
                   record + "main_wnd_proc" + fields + "NORMAL0, icon 32517)", main_window});
  const std::string controls[] = {
      "0x200, EDIT, , 0x50200004, 34, 21, 330, 206",
      "0, BUTTON, " + cp932("タグ挿入") + ", 0x50000000, 275, 244, 89, 69",
      "0x200, EDIT, , 0x50000000, 122, 245, 142, 26",
      "0x200, EDIT, , 0x50000000, 122, 287, 142, 26",
      "0, STATIC, " + cp932("開始タグ") + ", 0x50000000, 34, 245, 82, 26",
      "0, STATIC, " + cp932("終了タグ") + ", 0x50000000, 34, 287, 82, 26"};
  for (int id = 1000; id <= 1005; ++id) {
    const std::string n = std::to_string(id);
    expected.insert(expected.end(),
                    {"CreateWindowExA(" + controls[id - 1000] + ", main, " + n + ", module, 0)",
                     "GetDlgItem(main, " + n + ")", "SendMessageA(child " + n + ", WM_SETFONT, font, 0)"});
  }
  expected.insert(expected.end(),
                  {"main_wnd_proc(WM_CREATE) -> 0",
                   "GetMessageA(message record, 0, 0, 0) -> WM_CLOSE",
                   "TranslateMessage(message record)", "DispatchMessageA(message record)",
                   "DestroyWindow(main)", "DeleteObject(font)", "DeleteObject(brush)",
                   "PostQuitMessage(0)", "main_wnd_proc(WM_DESTROY) -> 0",
                   "main_wnd_proc(WM_CLOSE) -> 0", "GetMessageA(message record, 0, 0, 0) -> 0",
                   "ExitProcess(0)"});
  EXPECT_EXIT(
      {
        close_and_compare_at_exit(expected);
        start_system_trace();
        app_main();
      },
      ::testing::ExitedWithCode(0), "the trace is as expected");
}

TEST_F(MainWindowTest, PassesOtherMessagesToTheDefaultProcedure) {
  EXPECT_EQ(DefWindowProcA(g_main_hwnd, WM_GETTEXTLENGTH, 0, 0),
            SendMessageA(g_main_hwnd, WM_GETTEXTLENGTH, 0, 0));
  // The class that no window uses passes everything on.
  EXPECT_EQ(DefWindowProcA(g_main_hwnd, WM_GETTEXTLENGTH, 0, 0),
            dlg_wnd_proc(g_main_hwnd, WM_GETTEXTLENGTH, 0, 0));
  EXPECT_EQ(DefWindowProcA(g_main_hwnd, WM_NCHITTEST, 0, 0),
            dlg_wnd_proc(g_main_hwnd, WM_NCHITTEST, 0, 0));
  RECT r;
  GetWindowRect(g_main_hwnd, &r);
  LPARAM caption = MAKELPARAM(r.left + 100, r.top + 5);
  EXPECT_EQ(DefWindowProcA(g_main_hwnd, WM_NCHITTEST, 0, caption),
            SendMessageA(g_main_hwnd, WM_NCHITTEST, 0, caption));

  auto button_place = [] {
    RECT b;
    GetWindowRect(child(IDC_INSERT), &b);
    MapWindowPoints(nullptr, g_main_hwnd, reinterpret_cast<POINT*>(&b), 2);
    return std::to_string(b.left) + "," + std::to_string(b.top);
  };
  const std::string before = button_place();
  SetWindowPos(g_main_hwnd, nullptr, 0, 0, 700, 600, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(before, button_place()) << "controls keep their places when the window is resized";
}

TEST_F(MainWindowTest, ActsOnlyOnAClickOfTheInsertButton) {
  const std::string text = "abcdef";
  set_text(child(IDC_TEXT), text);
  set_text(child(IDC_START_TAG), "[");
  set_text(child(IDC_END_TAG), "]");
  select_bytes(1, 3);
  const WPARAM ignored[] = {
      MAKEWPARAM(IDC_INSERT, BN_DOUBLECLICKED),
      MAKEWPARAM(IDC_INSERT, EN_CHANGE),
      MAKEWPARAM(IDC_INSERT, 0xFFFF),
      MAKEWPARAM(IDC_TEXT, BN_CLICKED),
      MAKEWPARAM(IDC_START_TAG, BN_CLICKED),
      MAKEWPARAM(IDC_END_LABEL, BN_CLICKED),
      MAKEWPARAM(0, BN_CLICKED),
  };
  for (WPARAM w : ignored) {
    SCOPED_TRACE(::testing::Message() << std::hex << "wParam " << w);
    EXPECT_EQ(0, SendMessageA(g_main_hwnd, WM_COMMAND, w, 0));
    EXPECT_EQ(text, window_text(child(IDC_TEXT)));
  }
  EXPECT_EQ(0, SendMessageA(g_main_hwnd, WM_COMMAND, MAKEWPARAM(IDC_INSERT, BN_CLICKED),
                            reinterpret_cast<LPARAM>(child(IDC_INSERT))));
  EXPECT_EQ("a[bc]def", window_text(child(IDC_TEXT)));
}

BOOL WINAPI failing_get_message(LPMSG, HWND, UINT, UINT) { return -1; }

// A GetMessageA that fails ends the loop as the quit message does.
TEST_F(MainWindowTest, FailedGetMessageEndsTheLoop) {
  void* get_message = hook_import("user32.dll", "GetMessageA",
                                  reinterpret_cast<void*>(failing_get_message));
  EXPECT_EQ(-1, run_message_loop());
  hook_import("user32.dll", "GetMessageA", get_message);
}

// The brush is kept as the double of its handle read as a signed 32-bit integer: handles
// with the top bit set come back from negative doubles.
TEST(FaceBrush, ComesBackAsTheHandleStored) {
  const double saved = g_face_brush;
  for (int32_t handle : {0x3a, 0x7fffffff, -0x7ffffff0, INT32_MIN, -1}) {
    g_face_brush = static_cast<double>(handle);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(static_cast<intptr_t>(handle)), face_brush()) << handle;
  }
  g_face_brush = saved;
}

}  // namespace

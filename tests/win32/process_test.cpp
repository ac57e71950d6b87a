// Morvane.exe as a process of its own: found by its class and caption, driven from
// outside with messages, closed with WM_CLOSE, and ending with exit code 0.
#include <windows.h>

#include <string>

#include "app/core/layout.h"
#include "tests/support/runtime_support.h"

namespace {

std::string remote_text(HWND window) {
  char buffer[256] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

// The window can be found while it is still being created: it counts once it has all
// six controls.
HWND wait_for_main_window() {
  for (int i = 0; i < 300; ++i) {
    HWND window = FindWindowA("NORMAL0", "Morvane");
    int controls = 0;
    for (int id = IDC_TEXT; window && id <= IDC_END_LABEL; ++id)
      controls += !!GetDlgItem(window, id);
    if (controls == 6) return window;
    Sleep(100);
  }
  return nullptr;
}

TEST(MorvaneProcess, OpensWrapsAndClosesWithExitCodeZero) {
  char command[MAX_PATH] = MORVANE_EXE;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process))
      << "cannot start " << MORVANE_EXE;
  HWND main = wait_for_main_window();
  ASSERT_NE(nullptr, main) << "no window of class NORMAL0 with caption Morvane";
  DWORD owner = 0;
  GetWindowThreadProcessId(main, &owner);
  EXPECT_EQ(process.dwProcessId, owner);

  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(408, r.right - r.left);
  EXPECT_EQ(360, r.bottom - r.top);

  const std::string text = cp932("これはabcテスト");
  HWND edit = GetDlgItem(main, IDC_TEXT);
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(GetDlgItem(main, IDC_START_TAG), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("<b>"));
  SendMessageA(GetDlgItem(main, IDC_END_TAG), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("</b>"));
  // Select "abc": bytes 6 to 9, characters 3 to 6; the control tells which it counts.
  SendMessageA(edit, EM_SETSEL, 0, -1);
  DWORD end = 0;
  SendMessageA(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
  bool characters = end != text.size();
  SendMessageA(edit, EM_SETSEL, characters ? 3 : 6, characters ? 6 : 9);
  SendMessageA(GetDlgItem(main, IDC_INSERT), BM_CLICK, 0, 0);
  EXPECT_EQ(hex_bytes(cp932("これは<b>abc</b>テスト")), hex_bytes(remote_text(edit)));

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 30000))
      << "the process did not end";
  DWORD exit_code = 1;
  GetExitCodeProcess(process.hProcess, &exit_code);
  EXPECT_EQ(0u, exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace

// Reaches the running Morvane window from outside, for the run command:
//   window_remote wait   waits up to 60 seconds for the window; exit code 0 once it is there
//   window_remote close  posts WM_CLOSE to it; exit code 0 when there was a window to close
#include <windows.h>

#include <cstring>

#include "app/core/layout.h"
#include "app/win32/main_window.h"

namespace {

HWND find_main_window() { return FindWindowA(kMainWindowClass, kWindowCaption); }

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "wait") == 0) {
    for (int i = 0; i < 600; ++i) {
      if (find_main_window()) return 0;
      Sleep(100);
    }
    return 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "close") == 0) {
    HWND window = find_main_window();
    return window && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  return 2;
}

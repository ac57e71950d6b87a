#include "app/win32/stop_box.h"

#include "app/core/stop_notice.h"
#include "app/win32/globals.h"

// The text is kept in static storage: the stop may come because the heap has run out.
void show_stop_box(const char* message) {
  static char text[kStopNoticeSize];
  stop_notice_text(message, text, sizeof text);
  HWND owner = IsWindow(g_main_hwnd) ? g_main_hwnd : nullptr;
  MessageBoxA(owner, text, kStopNoticeCaption, MB_OK | MB_ICONERROR);
}

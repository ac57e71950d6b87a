#include "tests/win32/system_trace.h"

#include <cstdio>

#include "tests/support/import_hook.h"
#include "tests/support/trace.h"
#include "tests/win32/app_fixture.h"

namespace {

decltype(&CreateFontA) g_create_font;
decltype(&CreateSolidBrush) g_create_solid_brush;
decltype(&DeleteObject) g_delete_object;
decltype(&RegisterClassExA) g_register_class;
decltype(&CreateWindowExA) g_create_window;
decltype(&GetDlgItem) g_get_dlg_item;
decltype(&SendMessageA) g_send_message;
decltype(&DestroyWindow) g_destroy_window;
decltype(&PostQuitMessage) g_post_quit_message;
decltype(&GetMessageA) g_get_message;
decltype(&TranslateMessage) g_translate_message;
decltype(&DispatchMessageA) g_dispatch_message;
void(WINAPI* g_exit_process)(UINT);  // without ExitProcess's noreturn, as its hook

bool g_close_at_first_message;
std::vector<std::string> g_expected_at_exit;

// Numbers in decimal, flags in hexadecimal, texts as they are, and handles, addresses and
// flags that the trace has named by their names.
std::string text(int value) { return std::to_string(value); }
std::string text(UINT value) { return std::to_string(value); }
std::string text(DWORD value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%#lx", static_cast<unsigned long>(value));
  return name_or(value, digits);
}
std::string text(const char* value) { return value ? value : "0"; }
std::string text(const void* value) { return name_of(reinterpret_cast<uintptr_t>(value)); }

// Traces the call of function with arguments, then makes it.
template <typename Function, typename... Arguments>
auto traced(const char* function, Function original, Arguments... arguments) {
  std::string entry = function;
  for (const std::string& a : {text(arguments)...}) entry += (entry == function ? "(" : ", ") + a;
  trace(entry + ")");
  return original(arguments...);
}

template <typename Handle>
Handle named(Handle handle, const std::string& name) {
  name_value(reinterpret_cast<uintptr_t>(handle), name);
  return handle;
}

std::string message_name(UINT message) {
  static const std::pair<UINT, const char*> kNames[] = {
      {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_CLOSE, "WM_CLOSE"},
      {WM_SETFONT, "WM_SETFONT"}, {WM_GETTEXT, "WM_GETTEXT"}, {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
      {EM_GETSEL, "EM_GETSEL"}, {EM_REPLACESEL, "EM_REPLACESEL"}, {EM_GETLINECOUNT, "EM_GETLINECOUNT"},
      {EM_LINEINDEX, "EM_LINEINDEX"}, {EM_LINELENGTH, "EM_LINELENGTH"},
      {EM_GETLIMITTEXT, "EM_GETLIMITTEXT"}, {EM_SETLIMITTEXT, "EM_SETLIMITTEXT"}, {BM_CLICK, "BM_CLICK"}};
  for (const auto& [value, name] : kNames) {
    if (value == message) return name;
  }
  return text(DWORD{message});
}

// What the program's own main window procedure returns for the messages that it handles;
// for WM_COMMAND, with the control's id and the notification code.
LRESULT CALLBACK traced_main_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = main_wnd_proc(named(window, "main"), message, wparam, lparam);
  const std::string returned = ") -> " + std::to_string(result);
  if (message == WM_CREATE || message == WM_DESTROY || message == WM_CLOSE) {
    trace("main_wnd_proc(" + message_name(message) + returned);
  } else if (message == WM_COMMAND) {
    trace("main_wnd_proc(WM_COMMAND " + text(LOWORD(wparam)) + " " + text(HIWORD(wparam)) + returned);
  }
  return result;
}

HFONT WINAPI traced_create_font(int h, int w, int e, int o, int wt, DWORD i, DWORD u, DWORD s,
                                DWORD cs, DWORD op, DWORD cp, DWORD q, DWORD pf, LPCSTR face) {
  return named(traced("CreateFontA", g_create_font, h, w, e, o, wt, i, u, s, cs, op, cp, q, pf, face),
               "font");
}
HBRUSH WINAPI traced_create_solid_brush(COLORREF color) {
  return named(traced("CreateSolidBrush", g_create_solid_brush, color), "brush");
}
BOOL WINAPI traced_delete_object(HGDIOBJ object) {
  return traced("DeleteObject", g_delete_object, object);
}
HWND WINAPI traced_get_dlg_item(HWND window, int id) {
  return traced("GetDlgItem", g_get_dlg_item, window, id);
}
BOOL WINAPI traced_destroy_window(HWND window) {
  return traced("DestroyWindow", g_destroy_window, window);
}
void WINAPI traced_post_quit_message(int code) {
  traced("PostQuitMessage", g_post_quit_message, code);
}

// The main window's class gets a procedure that traces what the program's own returns.
ATOM WINAPI traced_register_class(const WNDCLASSEXA* record) {
  WNDCLASSEXA r = *record;
  trace("RegisterClassExA(" + text(r.cbSize) + ", " + text(DWORD{r.style}) + ", " +
        text(reinterpret_cast<void*>(r.lpfnWndProc)) + ", " + text(r.cbClsExtra) + ", " +
        text(r.cbWndExtra) + ", " + text(r.hInstance) + ", " + text(r.hIcon) + ", " +
        text(r.hCursor) + ", " + text(r.hbrBackground) + ", " + text(r.lpszMenuName) + ", " +
        r.lpszClassName + ", " + text(r.hIconSm) + ")");
  if (r.lpfnWndProc == main_wnd_proc) r.lpfnWndProc = traced_main_wnd_proc;
  return g_register_class(&r);
}

HWND WINAPI traced_create_window(DWORD ex_style, LPCSTR class_name, LPCSTR caption, DWORD style,
                                 int x, int y, int width, int height, HWND parent, HMENU menu,
                                 HINSTANCE instance, LPVOID data) {
  HWND window = traced("CreateWindowExA", g_create_window, ex_style, class_name, caption, style,
                       x, y, width, height, parent, menu, instance, data);
  return parent ? named(window, "child " + text(menu)) : window;
}

LRESULT WINAPI traced_send_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  trace("SendMessageA(" + text(window) + ", " + message_name(message) + ", " + name_of(wparam) +
        ", " + name_of(static_cast<uintptr_t>(lparam)) + ")");
  return g_send_message(window, message, wparam, lparam);
}

// The loop's calls for the WM_CLOSE that ends the run and for its end, with the record
// that it fills (named at its first call), the window and the range of messages asked for.
BOOL WINAPI traced_get_message(LPMSG message, HWND window, UINT first, UINT last) {
  if (g_close_at_first_message) {
    PostMessageA(g_main_hwnd, WM_CLOSE, 0, 0);
    named(message, "message record");
  }
  g_close_at_first_message = false;
  const BOOL result = g_get_message(message, window, first, last);
  if (result == 0 || result == -1 || message->message == WM_CLOSE) {
    trace("GetMessageA(" + text(message) + ", " + text(window) + ", " + text(first) + ", " +
          text(last) + ") -> " + (result > 0 ? message_name(message->message) : text(result)));
  }
  return result;
}
BOOL WINAPI traced_translate_message(const MSG* message) {
  if (message->message == WM_CLOSE) trace("TranslateMessage(" + text(message) + ")");
  return g_translate_message(message);
}
LRESULT WINAPI traced_dispatch_message(const MSG* message) {
  if (message->message == WM_CLOSE) trace("DispatchMessageA(" + text(message) + ")");
  return g_dispatch_message(message);
}

void WINAPI traced_exit_process(UINT code) {
  trace("ExitProcess(" + text(code) + ")");
  if (!g_expected_at_exit.empty()) {
    const std::string difference = trace_difference(g_expected_at_exit, take_trace());
    std::fprintf(stderr, "%s\n", difference.empty() ? "the trace is as expected" : difference.c_str());
    std::fflush(stderr);
  }
  g_exit_process(code);
}

template <typename Function>
void hook(const char* dll, const char* name, Function replacement, Function& original) {
  original = reinterpret_cast<Function>(hook_import(dll, name, reinterpret_cast<void*>(replacement)));
}

}  // namespace

void hook_system_calls() {
  hook("gdi32.dll", "CreateFontA", traced_create_font, g_create_font);
  hook("gdi32.dll", "CreateSolidBrush", traced_create_solid_brush, g_create_solid_brush);
  hook("gdi32.dll", "DeleteObject", traced_delete_object, g_delete_object);
  hook("user32.dll", "RegisterClassExA", traced_register_class, g_register_class);
  hook("user32.dll", "CreateWindowExA", traced_create_window, g_create_window);
  hook("user32.dll", "GetDlgItem", traced_get_dlg_item, g_get_dlg_item);
  hook("user32.dll", "SendMessageA", traced_send_message, g_send_message);
  hook("user32.dll", "DestroyWindow", traced_destroy_window, g_destroy_window);
  hook("user32.dll", "PostQuitMessage", traced_post_quit_message, g_post_quit_message);
  hook("user32.dll", "GetMessageA", traced_get_message, g_get_message);
  hook("user32.dll", "TranslateMessage", traced_translate_message, g_translate_message);
  hook("user32.dll", "DispatchMessageA", traced_dispatch_message, g_dispatch_message);
  hook("kernel32.dll", "ExitProcess", traced_exit_process, g_exit_process);
}

// The values that the program asks the system for, named as the system gives them.
void start_system_trace() {
  start_trace();
  named(main_wnd_proc, "main_wnd_proc");
  named(dlg_wnd_proc, "dlg_wnd_proc");
  named(GetModuleHandleA(nullptr), "module");
  named(LoadIconA(nullptr, IDI_APPLICATION), "icon 32512");
  named(LoadIconA(nullptr, IDI_WINLOGO), "icon 32517");
  named(LoadCursorA(nullptr, IDC_ARROW), "cursor 32512");
  name_value(GetSysColor(COLOR_BTNFACE), "button face");
  if (!IsWindow(g_main_hwnd)) return;
  named(g_main_hwnd, "main");
  for (HWND c = GetWindow(g_main_hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    named(c, "child " + text(GetDlgCtrlID(c)));
  }
}

void close_and_compare_at_exit(std::vector<std::string> expected) {
  g_close_at_first_message = true;
  g_expected_at_exit = std::move(expected);
}

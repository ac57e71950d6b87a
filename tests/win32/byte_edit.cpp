#include "tests/win32/byte_edit.h"

#include <windows.h>

#include <algorithm>
#include <string>


namespace {

WNDPROC g_system_edit;

LRESULT system_edit(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcA(g_system_edit, edit, message, wparam, lparam);
}

// The edit's text, asked of the system's edit itself.
std::string text_of(HWND edit) {
  std::string text(size_t(system_edit(edit, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(size_t(system_edit(edit, WM_GETTEXT, text.size(), LPARAM(&text[0]))));
  return text;
}

// Bytes that the first `characters` characters of text take; a negative count stays.
LRESULT to_bytes(const std::string& text, LRESULT characters) {
  const char* end = text.c_str();
  for (LRESULT i = 0; i < characters && *end; ++i) end = CharNextA(end);
  return characters < 0 ? characters : end - text.c_str();
}

// Characters that begin in the first `bytes` bytes of text; a negative count stays.
LRESULT to_characters(const std::string& text, LRESULT bytes) {
  int n = int(std::min(bytes, LRESULT(text.size())));
  return bytes <= 0 ? bytes : MultiByteToWideChar(CP_ACP, 0, text.data(), n, nullptr, 0);
}

// Writes the selection's ends in bytes where wparam and lparam point (either may be null);
// returns both in one value, or -1 when one passes 65,535.
LRESULT get_selection(HWND edit, WPARAM wparam, LPARAM lparam) {
  DWORD start = 0, end = 0;
  system_edit(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  const std::string text = text_of(edit);
  start = DWORD(to_bytes(text, start));
  end = DWORD(to_bytes(text, end));
  if (wparam) *reinterpret_cast<DWORD*>(wparam) = start;
  if (lparam) *reinterpret_cast<DWORD*>(lparam) = end;
  return std::max(start, end) > 0xFFFF ? -1 : LRESULT(MAKELONG(start, end));
}

LRESULT set_selection(HWND edit, WPARAM start, LPARAM end) {
  const std::string text = text_of(edit);
  return system_edit(edit, EM_SETSEL, WPARAM(to_characters(text, int(start))),
                     to_characters(text, int(end)));
}

LRESULT line_index(HWND edit, WPARAM line) {
  return to_bytes(text_of(edit), system_edit(edit, EM_LINEINDEX, line, 0));
}

// Bytes of the line that holds byte `index`; for -1, the bytes outside the selection on
// the lines that it touches.
LRESULT line_length(HWND edit, WPARAM index) {
  const std::string text = text_of(edit);
  DWORD first = DWORD(to_characters(text, int(index))), last = first;
  if (int(index) < 0) system_edit(edit, EM_GETSEL, WPARAM(&first), LPARAM(&last));
  LRESULT from = system_edit(edit, EM_LINEINDEX, system_edit(edit, EM_LINEFROMCHAR, first, 0), 0);
  LRESULT to = system_edit(edit, EM_LINEINDEX, system_edit(edit, EM_LINEFROMCHAR, last, 0), 0);
  to += system_edit(edit, EM_LINELENGTH, WPARAM(to), 0);
  LRESULT selected = to_bytes(text, LRESULT(last)) - to_bytes(text, LRESULT(first));
  return to_bytes(text, to) - to_bytes(text, from) - selected;
}

// The limit counts bytes: of the replacement goes in only what fits, never half a
// character. The system's edit, counting characters, then has room for it too.
LRESULT replace_selection(HWND edit, WPARAM undo, LPARAM lparam) {
  DWORD start = 0, end = 0;
  get_selection(edit, WPARAM(&start), LPARAM(&end));
  LRESULT room = system_edit(edit, EM_GETLIMITTEXT, 0, 0) - LRESULT(text_of(edit).size()) +
                 LRESULT(end - start);
  const char* replacement = reinterpret_cast<const char*>(lparam);
  const char* fits = replacement;
  while (*fits && CharNextA(fits) - replacement <= room) fits = CharNextA(fits);
  const std::string kept(replacement, fits);
  return system_edit(edit, EM_REPLACESEL, undo, LPARAM(kept.c_str()));
}

// EM_SETLIMITTEXT and EM_GETLIMITTEXT pass unchanged: the number that the system's edit
// keeps is read as bytes.
LRESULT CALLBACK byte_edit_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case EM_GETSEL:
      return get_selection(edit, wparam, lparam);
    case EM_SETSEL:
      return set_selection(edit, wparam, lparam);
    case EM_LINEINDEX:
      return line_index(edit, wparam);
    case EM_LINELENGTH:
      return line_length(edit, wparam);
    case EM_REPLACESEL:
      return replace_selection(edit, wparam, lparam);
    default:
      return system_edit(edit, message, wparam, lparam);
  }
}

}  // namespace

bool register_byte_edit() {
  WNDCLASSEXA edit_class{};
  edit_class.cbSize = sizeof edit_class;
  if (!GetClassInfoExA(nullptr, "EDIT", &edit_class)) return false;
  if (edit_class.lpfnWndProc == byte_edit_proc) return false;  // still registered
  g_system_edit = edit_class.lpfnWndProc;
  edit_class.lpfnWndProc = byte_edit_proc;
  edit_class.hInstance = GetModuleHandleA(nullptr);
  edit_class.style &= ~UINT(CS_GLOBALCLASS);
  return RegisterClassExA(&edit_class) != 0;
}

void unregister_byte_edit() { UnregisterClassA("EDIT", GetModuleHandleA(nullptr)); }

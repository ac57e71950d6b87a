#include "app/win32/insert_tags.h"

#include <windows.h>

#include "app/core/controls.h"
#include "app/core/tag_command.h"
#include "app/win32/globals.h"

namespace {

// How the text edit counts positions. Windows counts an ANSI edit's positions in bytes;
// Wine counts them in characters of the converted text. Both count "\r\n" as two.
struct EditUnits {
  bool characters;  // positions count characters, not bytes
  int32_t length;   // length of the whole text in those units
};

// Compares the edit's own length of its text (the end of its last line) with the byte
// length of the text just read; asks nothing that moves the selection.
EditUnits measure_units(HWND edit, RtString text) {
  LRESULT lines = SendMessageA(edit, EM_GETLINECOUNT, 0, 0);
  LRESULT last_line = SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0);
  LRESULT length = last_line + SendMessageA(edit, EM_LINELENGTH, static_cast<WPARAM>(last_line), 0);
  int32_t bytes = str_length(text);
  int32_t characters = bytes == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text, bytes, nullptr, 0);
  return {length != bytes && length == characters, static_cast<int32_t>(length)};
}

// Byte offset of the character at 0-based index position, as the ANSI code page pairs a
// lead byte with the byte after it. Positions outside the text keep their distance.
int32_t byte_offset(RtString text, int32_t position) {
  int32_t bytes = str_length(text);
  int32_t offset = 0;
  for (int32_t i = 0; i < position; ++i) {
    if (offset >= bytes) return offset + (position - i);
    offset += IsDBCSLeadByte(static_cast<BYTE>(text[offset])) && offset + 1 < bytes ? 2 : 1;
  }
  return offset;
}

// The edit refuses a replacement that would take its text over its limit by deleting the
// selection and inserting nothing. Raises the limit just enough for this replacement.
void make_room(HWND edit, const EditUnits& units, int32_t selection_start, int32_t selection_end,
               RtString replacement) {
  int32_t bytes = str_length(replacement);
  int64_t inserted = units.characters && bytes > 0
                         ? MultiByteToWideChar(CP_ACP, 0, replacement, bytes, nullptr, 0)
                         : bytes;
  int64_t selected = static_cast<int64_t>(selection_end) - selection_start;
  int64_t needed = static_cast<int64_t>(units.length) - selected + inserted;
  int64_t limit = static_cast<int64_t>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
  if (needed > limit) SendMessageA(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(needed), 0);
}

}  // namespace

// Reads the tags, the selection and the text, builds the replacement with wrap_selection
// and hands it to the text edit. The four working strings are released in the order in
// which they were made.
void insert_tags() {
  RtString start_tag = str_new(0);
  RtString end_tag = str_new(0);
  int32_t selection_start = 0;
  int32_t selection_end = 0;
  RtString text = str_new(0);
  RtString replacement = str_new(0);

  str_assign(start_tag, str_window_text(GetDlgItem(g_main_hwnd, IDC_START_TAG)));
  str_assign(end_tag, str_window_text(GetDlgItem(g_main_hwnd, IDC_END_TAG)));
  SendMessageA(GetDlgItem(g_main_hwnd, IDC_TEXT), EM_GETSEL,
               reinterpret_cast<WPARAM>(&selection_start),
               reinterpret_cast<LPARAM>(&selection_end));
  str_assign(text, str_window_text(GetDlgItem(g_main_hwnd, IDC_TEXT)));

  HWND edit = GetDlgItem(g_main_hwnd, IDC_TEXT);
  EditUnits units = measure_units(edit, text);
  int32_t first = units.characters ? byte_offset(text, selection_start) : selection_start;
  int32_t last = units.characters ? byte_offset(text, selection_end) : selection_end;
  str_assign(replacement, wrap_selection(text, first, last, start_tag, end_tag));
  make_room(edit, units, selection_start, selection_end, replacement);

  SendMessageA(GetDlgItem(g_main_hwnd, IDC_TEXT), EM_REPLACESEL, 0,
               reinterpret_cast<LPARAM>(replacement));

  str_free(start_tag);
  str_free(end_tag);
  str_free(text);
  str_free(replacement);
}

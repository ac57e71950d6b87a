#include "app/win32/insert_tags.h"

#include <windows.h>

#include "app/core/layout.h"
#include "app/core/tag_command.h"
#include "app/win32/globals.h"

namespace {

// Byte offset of the character at 0-based index position, as the ANSI code page pairs a
// lead byte with the byte after it; a position past the text stands at its end.
int32_t byte_offset(RtString text, int32_t position) {
  const char* at = text;
  for (int32_t i = 0; i < position; ++i) at = CharNextA(at);
  return static_cast<int32_t>(at - text);
}

// The main window's controls, looked up by id at every use (docs/deliberate.md,
// "Controls looked up by id"). The steps that the command adds here (docs/deliberate.md,
// "Where the Windows edit counts characters", "The edit's limit raised") use the handle of
// the lookup of their step.
class EditControls final : public TagControls {
 public:
  RtWindow start_tag_field() override { return GetDlgItem(g_main_hwnd, IDC_START_TAG); }
  RtWindow end_tag_field() override { return GetDlgItem(g_main_hwnd, IDC_END_TAG); }

  void get_selection(int32_t* start, int32_t* end) override {
    SendMessageA(GetDlgItem(g_main_hwnd, IDC_TEXT), EM_GETSEL, reinterpret_cast<WPARAM>(start),
                 reinterpret_cast<LPARAM>(end));
    selection_start_ = *start;
    selection_end_ = *end;
  }

  RtWindow text_edit() override {
    edit_ = GetDlgItem(g_main_hwnd, IDC_TEXT);
    return edit_;
  }

  // The edit counts in characters where its own length of its text (the end of its last
  // line) is not the text's byte length. Asks nothing that moves the selection.
  void to_byte_positions(RtString text, int32_t* start, int32_t* end) override {
    LRESULT lines = SendMessageA(edit_, EM_GETLINECOUNT, 0, 0);
    LRESULT last_line = SendMessageA(edit_, EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0);
    LRESULT length =
        last_line + SendMessageA(edit_, EM_LINELENGTH, static_cast<WPARAM>(last_line), 0);
    counts_characters_ = length != str_length(text);
    edit_length_ = static_cast<int32_t>(length);
    if (counts_characters_) {
      *start = byte_offset(text, *start);
      *end = byte_offset(text, *end);
    }
  }

  void replace_selection(RtString replacement) override {
    HWND edit = GetDlgItem(g_main_hwnd, IDC_TEXT);
    make_room(edit, replacement);
    SendMessageA(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(replacement));
  }

 private:
  // The edit refuses a replacement that would take its text over its limit by deleting
  // the selection and inserting nothing. Raises the limit just enough for this one.
  void make_room(HWND edit, RtString replacement) const {
    int32_t bytes = str_length(replacement);
    int64_t inserted = counts_characters_ && bytes > 0
                           ? MultiByteToWideChar(CP_ACP, 0, replacement, bytes, nullptr, 0)
                           : bytes;
    int64_t selected = static_cast<int64_t>(selection_end_) - selection_start_;
    int64_t needed = static_cast<int64_t>(edit_length_) - selected + inserted;
    int64_t limit = static_cast<int64_t>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    if (needed > limit) SendMessageA(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(needed), 0);
  }

  HWND edit_ = nullptr;                               // of the text's lookup
  int32_t selection_start_ = 0, selection_end_ = 0;  // as the edit counts
  bool counts_characters_ = false;
  int32_t edit_length_ = 0;  // of the whole text, as the edit counts
};

}  // namespace

void insert_tags() {
  EditControls controls;
  insert_tags(controls);
}

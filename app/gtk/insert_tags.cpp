#include "app/gtk/insert_tags.h"

#include <cstdio>

#include "app/core/controls.h"
#include "app/gtk/main_window.h"
#include "app/gtk/tag_insertion.h"

namespace {

int offset_at(GtkTextBuffer* buffer, GtkTextMark* mark) {
  GtkTextIter at;
  gtk_text_buffer_get_iter_at_mark(buffer, &at, mark);
  return gtk_text_iter_get_offset(&at);
}

// Names the character that stopped the click, and where it stands.
void show_refusal(const TagInsertion& edit) {
  static const char* const kPlaces[] = {"開始タグ", "終了タグ", "選択範囲"};
  char character[8] = {};
  g_unichar_to_utf8(edit.refused, character);
  char message[256];
  std::snprintf(message, sizeof message,
                "%sの「%s」(U+%04X) は Shift-JIS (コードページ 932) "
                "で表せないため、何も変更していません。",
                kPlaces[static_cast<int>(edit.place)], character,
                static_cast<unsigned>(edit.refused));
  set_message_line(message);
}

// Replaces exactly the characters that the edit names, leaving no undo record, and puts
// the caret after the insertion. Nothing else in the buffer is written.
void apply(GtkTextBuffer* buffer, const TagInsertion& edit) {
  GtkTextIter first, end;
  gtk_text_buffer_get_iter_at_offset(buffer, &first, static_cast<int>(edit.first));
  gtk_text_buffer_get_iter_at_offset(buffer, &end, static_cast<int>(edit.end));
  gtk_text_buffer_begin_irreversible_action(buffer);
  gtk_text_buffer_delete(buffer, &first, &end);
  gtk_text_buffer_insert(buffer, &first, edit.replacement.data(),
                         static_cast<int>(edit.replacement.size()));
  gtk_text_buffer_end_irreversible_action(buffer);
  gtk_text_buffer_place_cursor(buffer, &first);
}

}  // namespace

// The text is read with a character in place of each embedded object, so that its
// character offsets and the buffer's agree.
void insert_tags() {
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(control(IDC_TEXT)));
  GtkTextIter begin, finish;
  gtk_text_buffer_get_bounds(buffer, &begin, &finish);
  char* text = gtk_text_buffer_get_slice(buffer, &begin, &finish, TRUE);
  TagInsertion edit =
      tag_insertion(text, offset_at(buffer, gtk_text_buffer_get_selection_bound(buffer)),
                    offset_at(buffer, gtk_text_buffer_get_insert(buffer)),
                    gtk_editable_get_text(GTK_EDITABLE(control(IDC_START_TAG))),
                    gtk_editable_get_text(GTK_EDITABLE(control(IDC_END_TAG))));
  g_free(text);
  if (edit.refused) {
    show_refusal(edit);
    return;
  }
  set_message_line("");
  apply(buffer, edit);
}

#include "app/gtk/insert_tags.h"

#include "app/core/insert_tags_unicode.h"
#include "app/core/layout.h"
#include "app/core/refusal_message.h"
#include "app/gtk/main_window.h"
#include "app/gtk/utf8.h"

namespace {

int offset_at(GtkTextBuffer* buffer, GtkTextMark* mark) {
  GtkTextIter at;
  gtk_text_buffer_get_iter_at_mark(buffer, &at, mark);
  return gtk_text_iter_get_offset(&at);
}

// Replaces exactly the characters that the edit names, leaving no undo record, and puts
// the caret after the insertion. Nothing else in the buffer is written.
void apply(GtkTextBuffer* buffer, const TagEdit& edit) {
  const std::string replacement = utf8_of_unicode(edit.replacement);
  GtkTextIter first, end;
  gtk_text_buffer_get_iter_at_offset(buffer, &first, static_cast<int>(edit.first));
  gtk_text_buffer_get_iter_at_offset(buffer, &end, static_cast<int>(edit.end));
  gtk_text_buffer_begin_irreversible_action(buffer);
  gtk_text_buffer_delete(buffer, &first, &end);
  gtk_text_buffer_insert(buffer, &first, replacement.data(), static_cast<int>(replacement.size()));
  gtk_text_buffer_end_irreversible_action(buffer);
  gtk_text_buffer_place_cursor(buffer, &first);
}

}  // namespace

TagEdit insert_tags_utf8(const char* text, int anchor, int cursor, const char* start_tag,
                         const char* end_tag) {
  return insert_tags(unicode_of_utf8(text), anchor, cursor, unicode_of_utf8(start_tag),
                     unicode_of_utf8(end_tag));
}

// The text is read with a character in place of each embedded object, so that its
// character offsets and the buffer's agree.
void insert_tags() {
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(control(IDC_TEXT)));
  GtkTextIter begin, finish;
  gtk_text_buffer_get_bounds(buffer, &begin, &finish);
  char* text = gtk_text_buffer_get_slice(buffer, &begin, &finish, TRUE);
  TagEdit edit =
      insert_tags_utf8(text, offset_at(buffer, gtk_text_buffer_get_selection_bound(buffer)),
                       offset_at(buffer, gtk_text_buffer_get_insert(buffer)),
                       gtk_editable_get_text(GTK_EDITABLE(control(IDC_START_TAG))),
                       gtk_editable_get_text(GTK_EDITABLE(control(IDC_END_TAG))));
  g_free(text);
  if (edit.refused) {
    set_message_line(utf8_of_unicode(refusal_message(edit.refused, edit.place)).c_str());
    return;
  }
  set_message_line("");
  apply(buffer, edit);
}

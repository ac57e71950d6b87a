#include "app/gtk/text_command.h"

#include <memory>

#include "app/core/refusal_message.h"
#include "app/gtk/utf8.h"

namespace {

using Utf8 = std::unique_ptr<char, decltype(&g_free)>;

// The text between two places of the buffer, with a character in place of each embedded
// object, so that the buffer's offsets and the text's agree.
Utf8 slice(GtkTextBuffer* buffer, const GtkTextIter& from, const GtkTextIter& to) {
  return Utf8(gtk_text_buffer_get_slice(buffer, &from, &to, TRUE), g_free);
}

}  // namespace

TagOutcome wrap_utf8_selection(const char* before, const char* selected, const char* after,
                               const char* start_tag, const char* end_tag) {
  return wrap_unicode_selection(unicode_of_utf8(before), unicode_of_utf8(selected),
                                unicode_of_utf8(after), unicode_of_utf8(start_tag),
                                unicode_of_utf8(end_tag));
}

// Replaces exactly the selected characters; nothing else in the buffer is written.
std::string wrap_buffer_selection(GtkTextBuffer* buffer, const char* start_tag,
                                  const char* end_tag) {
  GtkTextIter begin, first, end, finish;
  gtk_text_buffer_get_bounds(buffer, &begin, &finish);
  gtk_text_buffer_get_selection_bounds(buffer, &first, &end);
  const TagOutcome outcome =
      wrap_utf8_selection(slice(buffer, begin, first).get(), slice(buffer, first, end).get(),
                          slice(buffer, end, finish).get(), start_tag, end_tag);
  if (outcome.refused) return utf8_of_unicode(refusal_message(outcome.refused, outcome.place));
  const std::string replacement = utf8_of_unicode(outcome.replacement);
  gtk_text_buffer_begin_irreversible_action(buffer);
  gtk_text_buffer_delete(buffer, &first, &end);
  gtk_text_buffer_insert(buffer, &first, replacement.data(), static_cast<int>(replacement.size()));
  gtk_text_buffer_end_irreversible_action(buffer);
  gtk_text_buffer_place_cursor(buffer, &first);
  return "";
}

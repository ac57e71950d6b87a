// A click of click_input.h as the two Unicode front-ends take it: the page as UTF-16, the
// GTK program in a text buffer. The fuzz target and the comparison of the front-ends share
// these.
#pragma once

#include <gtk/gtk.h>

#include <algorithm>
#include <string>

#include "app/gtk/insert_tags.h"
#include "fuzz/click_input.h"

// The UTF-16 units of text: a character beyond 16 bits as a pair, any other code point,
// a surrogate included, as one unit.
inline std::u16string utf16_of(const std::u32string& text) {
  std::u16string out;
  for (char32_t c : text) {
    if (c >= 0x10000) out += static_cast<char16_t>(0xd800 + ((c - 0x10000) >> 10));
    out += static_cast<char16_t>(c < 0x10000 ? c : 0xdc00 + ((c - 0x10000) & 0x3ff));
  }
  return out;
}

// The UTF-8 form of text, which holds no surrogate.
inline std::string utf8_of(const std::u32string& text) {
  std::string out;
  char bytes[6];
  for (char32_t c : text) out.append(bytes, static_cast<size_t>(g_unichar_to_utf8(c, bytes)));
  return out;
}

// A GTK text holds no NUL and no surrogate.
inline bool gtk_can_hold(const std::u32string& text) {
  return std::none_of(text.begin(), text.end(),
                      [](char32_t c) { return c == 0 || (c >= 0xd800 && c < 0xe000); });
}

// The click in buffer, through the GTK program's command, with the selection's ends within
// the text as the buffer keeps them; returns the whole text afterwards (UTF-8).
inline std::string click_in_buffer(GtkTextBuffer* buffer, const UnicodeClick& click) {
  const std::string text = utf8_of(click.text);
  gtk_text_buffer_set_text(buffer, text.data(), static_cast<int>(text.size()));
  const int length = static_cast<int>(click.text.size());
  GtkTextIter anchor, cursor, begin, end;
  gtk_text_buffer_get_iter_at_offset(buffer, &anchor, std::clamp(click.anchor, 0, length));
  gtk_text_buffer_get_iter_at_offset(buffer, &cursor, std::clamp(click.cursor, 0, length));
  gtk_text_buffer_select_range(buffer, &cursor, &anchor);
  insert_tags(buffer, utf8_of(click.start_tag).c_str(), utf8_of(click.end_tag).c_str());
  gtk_text_buffer_get_bounds(buffer, &begin, &end);
  gchar* after = gtk_text_buffer_get_text(buffer, &begin, &end, TRUE);
  std::string whole = after;
  g_free(after);
  return whole;
}

#include "app/gtk/text_windows.h"

#include <algorithm>
#include <cstring>

#include "app/gtk/cp932.h"

int32_t Cp932Window::text_length() { return static_cast<int32_t>(text_.size()); }

void Cp932Window::get_text(char* buffer, int32_t size) {
  if (size <= 0) return;
  size_t n = std::min(text_.size(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, text_.data(), n);
  buffer[n] = '\0';
}

void Cp932Window::check_length() const {
  if (text_.size() > INT32_MAX) plat_fatal("Morvane: a text is longer than 2147483647 bytes");
}

FieldWindow::FieldWindow(GtkWidget* field) {
  const char* text = gtk_editable_get_text(GTK_EDITABLE(field));
  unfaithful_ = append_cp932(text, std::strlen(text), text_);
  check_length();
}

// The text is read in three slices, before, inside and after the selection, so that the
// byte positions of the selection fall out of the conversion.
TextViewWindow::TextViewWindow(GtkWidget* view)
    : buffer_(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view))) {
  GtkTextIter begin, start, end, finish;
  gtk_text_buffer_get_bounds(buffer_, &begin, &finish);
  gtk_text_buffer_get_selection_bounds(buffer_, &start, &end);
  start_offset_ = gtk_text_iter_get_offset(&start);
  end_offset_ = gtk_text_iter_get_offset(&end);
  append_slice(begin, start);
  start_byte_ = static_cast<int32_t>(std::min<size_t>(text_.size(), INT32_MAX));
  unfaithful_in_selection_ = append_slice(start, end);
  end_byte_ = static_cast<int32_t>(std::min<size_t>(text_.size(), INT32_MAX));
  append_slice(end, finish);
  check_length();
}

// Slices, unlike texts, keep a character in place of each embedded object, so that the
// character offsets of the buffer and of the slice agree.
gunichar TextViewWindow::append_slice(const GtkTextIter& a, const GtkTextIter& b) {
  char* slice = gtk_text_buffer_get_slice(buffer_, &a, &b, TRUE);
  gunichar unfaithful = append_cp932(slice, std::strlen(slice), text_);
  g_free(slice);
  return unfaithful;
}

void TextViewWindow::get_selection(int32_t* start, int32_t* end) const {
  *start = start_byte_;
  *end = end_byte_;
}

// Every byte of the replacement came from characters that read back unchanged, so its
// conversion cannot fail.
void TextViewWindow::replace_selection(RtString replacement) {
  size_t count = static_cast<size_t>(str_length(replacement));
  std::string utf8(count * 3 + 1, '\0');
  if (utf8_from_cp932(replacement, count, &utf8[0], utf8.size()) < 0) {
    plat_fatal("Morvane: the replacement is not code page 932 text");
  }
  GtkTextIter start, end;
  gtk_text_buffer_get_iter_at_offset(buffer_, &start, start_offset_);
  gtk_text_buffer_get_iter_at_offset(buffer_, &end, end_offset_);
  gtk_text_buffer_begin_irreversible_action(buffer_);
  gtk_text_buffer_delete(buffer_, &start, &end);
  gtk_text_buffer_insert(buffer_, &start, utf8.c_str(), -1);
  gtk_text_buffer_end_irreversible_action(buffer_);
  gtk_text_buffer_place_cursor(buffer_, &start);
}

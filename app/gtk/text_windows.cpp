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

FieldWindow::FieldWindow(std::string_view utf8) {
  unfaithful_ = append_cp932(utf8, text_);
  check_length();
}

// The text is converted in three slices, before, inside and after the selection, so that
// the byte positions of the selection fall out of the conversion.
TextViewWindow::TextViewWindow(std::string_view utf8, int anchor, int cursor) {
  size_t before = static_cast<size_t>(std::max(0, std::min(anchor, cursor)));
  size_t selected = static_cast<size_t>(std::max(0, std::max(anchor, cursor))) - before;
  const size_t start = skip_chars(utf8, 0, before);
  const size_t end = skip_chars(utf8, start, selected);
  first_char_ = before;
  end_char_ = before + selected;
  append_cp932(utf8.substr(0, start), text_);
  start_byte_ = static_cast<int32_t>(std::min<size_t>(text_.size(), INT32_MAX));
  unfaithful_in_selection_ = append_cp932(utf8.substr(start, end - start), text_);
  end_byte_ = static_cast<int32_t>(std::min<size_t>(text_.size(), INT32_MAX));
  append_cp932(utf8.substr(end), text_);
  check_length();
}

void TextViewWindow::get_selection(int32_t* start, int32_t* end) const {
  *start = start_byte_;
  *end = end_byte_;
}

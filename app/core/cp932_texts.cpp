#include "app/core/cp932_texts.h"

#include <algorithm>
#include <cstring>

#include "app/core/cp932.h"

int32_t Cp932Text::text_length() { return static_cast<int32_t>(text_.size()); }

void Cp932Text::get_text(char* buffer, int32_t size) {
  if (size <= 0) return;
  size_t n = std::min(text_.size(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, text_.data(), n);
  buffer[n] = '\0';
}

void Cp932Text::check_length() const {
  // GCOVR_EXCL_BR_START: no test holds a text of 2 GiB.
  if (text_.size() > INT32_MAX) plat_fatal("Morvane: a text is longer than 2147483647 bytes");
  // GCOVR_EXCL_BR_STOP
}

TagText::TagText(std::u32string_view text) {
  unfaithful_ = append_cp932(text, text_);
  check_length();
}

// The text is converted in three slices, before, inside and after the selection, so that
// the byte positions of the selection fall out of the conversion.
EditText::EditText(std::u32string_view text, int anchor, int cursor) {
  const int64_t length = static_cast<int64_t>(text.size());
  first_char_ = static_cast<size_t>(std::clamp<int64_t>(std::min(anchor, cursor), 0, length));
  end_char_ = static_cast<size_t>(std::clamp<int64_t>(std::max(anchor, cursor), 0, length));
  append_cp932(text.substr(0, first_char_), text_);
  start_byte_ = static_cast<int32_t>(std::min<size_t>(text_.size(), INT32_MAX));
  unfaithful_in_selection_ = append_cp932(text.substr(first_char_, end_char_ - first_char_), text_);
  end_byte_ = static_cast<int32_t>(std::min<size_t>(text_.size(), INT32_MAX));
  append_cp932(text.substr(end_char_), text_);
  check_length();
}

void EditText::get_selection(int32_t* start, int32_t* end) const {
  *start = start_byte_;
  *end = end_byte_;
}

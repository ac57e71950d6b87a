#include "app/web/utf16.h"

#include <algorithm>

namespace {

bool is_high(char16_t u) { return u >= 0xd800 && u < 0xdc00; }
bool is_low(char16_t u) { return u >= 0xdc00 && u < 0xe000; }

}  // namespace

std::u32string unicode_of_utf16(std::u16string_view text, int32_t& anchor, int32_t& cursor) {
  const int64_t units = static_cast<int64_t>(text.size());
  const size_t cuts[] = {static_cast<size_t>(std::clamp<int64_t>(anchor, 0, units)),
                         static_cast<size_t>(std::clamp<int64_t>(cursor, 0, units))};
  int32_t* const offsets[] = {&anchor, &cursor};
  std::u32string out;
  out.reserve(text.size());
  for (size_t at = 0;; ++at) {
    for (int i = 0; i < 2; ++i) {
      if (cuts[i] == at) *offsets[i] = static_cast<int32_t>(out.size());
    }
    if (at == text.size()) break;
    const char16_t u = text[at];
    const bool pair = is_high(u) && at + 1 < text.size() && is_low(text[at + 1]) &&
                      cuts[0] != at + 1 && cuts[1] != at + 1;
    if (pair) {
      out += static_cast<char32_t>(0x10000 + ((u - 0xd800) << 10) + (text[at + 1] - 0xdc00));
      ++at;
    } else {
      out += char32_t{u};
    }
  }
  return out;
}

std::u16string utf16_of_unicode(std::u32string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      out += static_cast<char16_t>(0xd800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xdc00 + ((c - 0x10000) & 0x3ff));
    }
  }
  return out;
}

#include "app/web/utf16.h"

namespace {

bool is_high(char16_t u) { return u >= 0xd800 && u < 0xdc00; }
bool is_low(char16_t u) { return u >= 0xdc00 && u < 0xe000; }

}  // namespace

std::u32string unicode_of_utf16(std::u16string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size(); ++at) {
    const char16_t u = text[at];
    if (is_high(u) && at + 1 < text.size() && is_low(text[at + 1])) {
      out += static_cast<char32_t>(0x10000 + ((u - 0xd800) << 10) + (text[++at] - 0xdc00));
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

#include "app/gtk/utf8.h"

#include <glib.h>

#include <cstring>

#include "app/core/cp932.h"

std::u32string unicode_of_utf8(const char* utf8) {
  glong count = 0;
  gunichar* characters = g_utf8_to_ucs4_fast(utf8, -1, &count);
  std::u32string text(reinterpret_cast<const char32_t*>(characters), static_cast<size_t>(count));
  g_free(characters);
  return text;
}

std::string utf8_of_unicode(std::u32string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  char bytes[6];
  for (char32_t c : text) out.append(bytes, static_cast<size_t>(g_unichar_to_utf8(c, bytes)));
  return out;
}

ptrdiff_t utf8_from_cp932(const char* text, size_t count, char* out, size_t size) {
  size_t written = 0;
  char bytes[6];
  for (size_t at = 0; at < count;) {
    char32_t c = cp932_char(text, count, at);
    if (c == kNotCp932) return -1;
    size_t length = static_cast<size_t>(g_unichar_to_utf8(c, bytes));
    if (size - written <= length) return -1;
    std::memcpy(out + written, bytes, length);
    written += length;
  }
  if (size == 0) return -1;
  out[written] = '\0';
  return static_cast<ptrdiff_t>(written);
}

std::string utf8_of_cp932(const char* text) {
  std::string out(std::strlen(text) * 3 + 1, '\0');
  ptrdiff_t written = utf8_from_cp932(text, std::strlen(text), &out[0], out.size());
  out.resize(written < 0 ? 0 : static_cast<size_t>(written));
  return out;
}

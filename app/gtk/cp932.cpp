// Each character is converted by itself and read back, once per process: the outcome is
// kept in a table of the 65,536 characters of the Basic Multilingual Plane. Characters
// beyond it have no code page 932 form.
#include "app/gtk/cp932.h"

#include <glib.h>
#include <iconv.h>

#include <cstdint>
#include <cstring>

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

struct Form {
  bool known;     // the character has been looked at
  bool faithful;  // its form reads back as the character itself
  uint8_t length;
  char bytes[2];
};

Form g_forms[0x10000];
iconv_t g_to_cp932 = kNoConverter;
iconv_t g_from_cp932 = kNoConverter;

// Opens the converter on first use; it stays open for the life of the process.
iconv_t converter(iconv_t& cd, const char* to, const char* from) {
  if (cd == kNoConverter) cd = iconv_open(to, from);
  return cd;
}

// Runs one whole conversion from a fresh state; returns the bytes written, or -1.
ptrdiff_t convert(iconv_t cd, const char* in, size_t in_left, char* out, size_t out_size) {
  if (cd == kNoConverter) return -1;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* from = const_cast<char*>(in);
  char* to = out;
  size_t out_left = out_size;
  if (iconv(cd, &from, &in_left, &to, &out_left) == static_cast<size_t>(-1) || in_left != 0) {
    return -1;
  }
  return to - out;
}

Form look_at(char32_t c) {
  Form form = {true, false, 0, {0, 0}};
  char utf8[6], back[6];
  int utf8_length = g_unichar_to_utf8(c, utf8);
  ptrdiff_t length = convert(converter(g_to_cp932, "CP932", "UTF-8"), utf8,
                             static_cast<size_t>(utf8_length), form.bytes, sizeof form.bytes);
  if (length <= 0) return form;
  form.length = static_cast<uint8_t>(length);
  ptrdiff_t back_length = convert(converter(g_from_cp932, "UTF-8", "CP932"), form.bytes,
                                  form.length, back, sizeof back);
  form.faithful =
      back_length == utf8_length && std::memcmp(back, utf8, static_cast<size_t>(utf8_length)) == 0;
  return form;
}

const Form& form_of(char32_t c) {
  static const Form kNoForm = {true, false, 0, {0, 0}};
  if (c >= 0x10000) return kNoForm;
  Form& form = g_forms[c];
  if (!form.known) form = look_at(c);
  return form;
}

}  // namespace

// GLib's decoder, which takes only well-formed UTF-8 (no overlong forms, surrogates or
// values past U+10FFFF); it reads a NUL byte as the end of a sequence, so that one is
// taken here.
char32_t next_char(std::string_view utf8, size_t& at) {
  const char* p = utf8.data() + at;
  const gunichar c = *p ? g_utf8_get_char_validated(p, static_cast<gssize>(utf8.size() - at)) : 0;
  if (c == static_cast<gunichar>(-1) || c == static_cast<gunichar>(-2)) {
    at++;
    return 0xfffd;
  }
  at += static_cast<size_t>(g_utf8_next_char(p) - p);
  return c;
}

size_t skip_chars(std::string_view utf8, size_t at, size_t& count) {
  size_t passed = 0;
  for (; passed < count && at < utf8.size(); passed++) next_char(utf8, at);
  count = passed;
  return at;
}

char32_t append_cp932(std::string_view utf8, std::string& out) {
  char32_t first_unfaithful = 0;
  out.reserve(out.size() + utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    char32_t c = next_char(utf8, at);
    const Form& form = form_of(c);
    if (form.faithful) {
      out.append(form.bytes, form.length);
    } else {
      out.append(kPlaceholder, 2);
      if (!first_unfaithful) first_unfaithful = c;
    }
  }
  return first_unfaithful;
}

ptrdiff_t utf8_from_cp932(const char* text, size_t count, char* out, size_t size) {
  if (size == 0) return -1;
  ptrdiff_t written =
      convert(converter(g_from_cp932, "UTF-8", "CP932"), text, count, out, size - 1);
  if (written >= 0) out[written] = '\0';
  return written;
}

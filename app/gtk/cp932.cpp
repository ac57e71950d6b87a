// Each character is converted by itself and read back, once per process: the outcome is
// kept in a table of the 65,536 characters of the Basic Multilingual Plane. Characters
// beyond it have no code page 932 form.
#include "app/gtk/cp932.h"

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

// The UTF-8 form of a character of the Basic Multilingual Plane; returns its length.
int utf8_of(char32_t c, char* out) {
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xc0 | c >> 6);
    out[1] = static_cast<char>(0x80 | (c & 0x3f));
    return 2;
  }
  out[0] = static_cast<char>(0xe0 | c >> 12);
  out[1] = static_cast<char>(0x80 | (c >> 6 & 0x3f));
  out[2] = static_cast<char>(0x80 | (c & 0x3f));
  return 3;
}

Form look_at(char32_t c) {
  Form form = {true, false, 0, {0, 0}};
  char utf8[3], back[6];
  int utf8_length = utf8_of(c, utf8);
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

// UTF-8 as RFC 3629 defines it: a lead byte that gives the length, continuation bytes of
// six bits each, and neither overlong forms, surrogates nor values past U+10FFFF.
char32_t next_char(std::string_view utf8, size_t& at) {
  static const char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};  // by length
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) {
    at++;
    return lead;
  }
  size_t length = lead < 0xc2 ? 0 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : lead < 0xf5 ? 4 : 0;
  char32_t c = lead & (0xff >> (length + 1));
  for (size_t i = 1; i < length; i++) {
    if (at + i >= utf8.size() || (byte(at + i) & 0xc0) != 0x80) {
      length = 0;
      break;
    }
    c = c << 6 | (byte(at + i) & 0x3f);
  }
  if (length == 0 || c < kLeast[length] || c > 0x10ffff || (c >= 0xd800 && c < 0xe000)) {
    at++;
    return 0xfffd;
  }
  at += length;
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

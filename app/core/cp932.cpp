#include "app/core/cp932.h"

#include <cstdint>

namespace {

struct Pair {
  uint16_t character, form;
};

// Every character whose form reads back as itself, with its form, in character order.
constexpr Pair kPairs[] = {
#include "cp932_table.inc"
};

// The table turned both ways, one entry for each of the 65,536 characters and forms:
// the value plus one, 0 where there is none. Made before main, from kPairs.
struct Tables {
  uint16_t form_of[0x10000] = {};
  uint16_t character_of[0x10000] = {};
  Tables() noexcept {
    for (const Pair& p : kPairs) {
      form_of[p.character] = static_cast<uint16_t>(p.form + 1);
      character_of[p.form] = static_cast<uint16_t>(p.character + 1);
    }
  }
};
const Tables g_tables;

// The lead bytes of code page 932's double-byte forms.
bool is_lead(unsigned char b) { return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc); }

}  // namespace

int cp932_form(char32_t c) { return c < 0x10000 ? g_tables.form_of[c] - 1 : -1; }

// The text is written through a pointer into room for two bytes a character, then cut to
// what it took: texts of megabytes pass through here at every click.
char32_t append_cp932(std::u32string_view text, std::string& out) {
  char32_t first_unfaithful = 0;
  const size_t start = out.size();
  out.resize(start + 2 * text.size());
  char* to = &out[0] + start;
  for (char32_t c : text) {
    const int form = cp932_form(c);
    if (form < 0) {
      *to++ = kPlaceholder[0];
      *to++ = kPlaceholder[1];
      if (!first_unfaithful) first_unfaithful = c;
    } else if (form < 0x100) {
      *to++ = static_cast<char>(form);
    } else {
      *to++ = static_cast<char>(form >> 8);
      *to++ = static_cast<char>(form & 0xff);
    }
  }
  out.resize(static_cast<size_t>(to - out.data()));
  return first_unfaithful;
}

char32_t cp932_char(const char* text, size_t count, size_t& at) {
  unsigned form = static_cast<unsigned char>(text[at]);
  size_t length = 1;
  if (is_lead(static_cast<unsigned char>(form)) && at + 1 < count) {
    form = form << 8 | static_cast<unsigned char>(text[at + 1]);
    length = 2;
  }
  if (g_tables.character_of[form] == 0) {
    at += 1;
    return kNotCp932;
  }
  at += length;
  return g_tables.character_of[form] - 1;
}

bool append_unicode(const char* text, size_t count, std::u32string& out) {
  bool whole = true;
  const size_t start = out.size();
  out.resize(start + count);
  char32_t* to = &out[0] + start;
  for (size_t at = 0; at < count;) {
    const char32_t c = cp932_char(text, count, at);
    *to++ = c == kNotCp932 ? 0xfffd : c;
    whole = whole && c != kNotCp932;
  }
  out.resize(static_cast<size_t>(to - out.data()));
  return whole;
}

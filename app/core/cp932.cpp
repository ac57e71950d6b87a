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
// the value plus one, 0 where there is none. Made once, on first use.
uint16_t g_form_of[0x10000];
uint16_t g_character_of[0x10000];

bool make_tables() {
  for (const Pair& p : kPairs) {
    g_form_of[p.character] = static_cast<uint16_t>(p.form + 1);
    g_character_of[p.form] = static_cast<uint16_t>(p.character + 1);
  }
  return true;
}

void ensure_tables() {
  static const bool made = make_tables();
  (void)made;
}

// The lead bytes of code page 932's double-byte forms.
bool is_lead(unsigned char b) { return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc); }

}  // namespace

int cp932_form(char32_t c) {
  ensure_tables();
  if (c >= 0x10000 || g_form_of[c] == 0) return -1;
  return g_form_of[c] - 1;
}

char32_t append_cp932(std::u32string_view text, std::string& out) {
  char32_t first_unfaithful = 0;
  out.reserve(out.size() + text.size() * 2);
  for (char32_t c : text) {
    int form = cp932_form(c);
    if (form < 0) {
      out.append(kPlaceholder, 2);
      if (!first_unfaithful) first_unfaithful = c;
    } else if (form < 0x100) {
      out += static_cast<char>(form);
    } else {
      out += static_cast<char>(form >> 8);
      out += static_cast<char>(form & 0xff);
    }
  }
  return first_unfaithful;
}

char32_t cp932_char(const char* text, size_t count, size_t& at) {
  ensure_tables();
  unsigned form = static_cast<unsigned char>(text[at]);
  size_t length = 1;
  if (is_lead(static_cast<unsigned char>(form)) && at + 1 < count) {
    form = form << 8 | static_cast<unsigned char>(text[at + 1]);
    length = 2;
  }
  if (g_character_of[form] == 0) {
    at += 1;
    return kNotCp932;
  }
  at += length;
  return g_character_of[form] - 1;
}

bool append_unicode(const char* text, size_t count, std::u32string& out) {
  bool whole = true;
  out.reserve(out.size() + count);
  for (size_t at = 0; at < count;) {
    char32_t c = cp932_char(text, count, at);
    if (c == kNotCp932) {
      c = 0xfffd;
      whole = false;
    }
    out += c;
  }
  return whole;
}

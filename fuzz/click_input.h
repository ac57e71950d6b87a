// One click of the Insert-tag command read from a fuzz input: the lengths of the two tags,
// the selection's anchor and cursor, then the characters of the start tag, the end tag
// and the text, drawn with extra weight on the characters that code page 932 gives back
// as others, cannot hold at all, or holds twice, on characters beyond 16 bits and lone
// surrogates, and on line breaks. The fuzz target and
// the comparison of the front-ends read the corpus with it.
#pragma once

#include <cstdint>
#include <iterator>
#include <string>

#include "fuzz/fuzz_input.h"

struct UnicodeClick {
  std::u32string text, start_tag, end_tag;
  int anchor, cursor;  // character offsets, from one before the text to one past its end
  // The numbers that they are drawn from, for a front-end that counts other units.
  uint16_t anchor_code = 0, cursor_code = 0;
};

// Characters that the Windows program's code page 932 gives back as others (〜 ¥ − ‖ — ¢
// £ ¬ ‾ ¦ and their partners), holds twice, or lacks; 〓; the character of an embedded
// object, which a GTK text buffer counts as one; NUL.
inline constexpr char32_t kTricky[] = {
    0x301c, 0xff5e, 0x00a5, 0x005c, 0xff3c, 0x2212, 0xff0d, 0x2016, 0x2225,  0x2014,
    0x2015, 0x00a2, 0xffe0, 0x00a3, 0xffe1, 0x00ac, 0xffe2, 0x203e, 0x007e,  0x00a6,
    0xffe4, 0x00e9, 0x3013, 0x00a0, 0x0080, 0x00ff, 0xfffd, 0xfeff, 0xfffc,  0x0000,
    0x2252, 0x2261, 0x221a, 0x2235, 0x2170, 0x2460, 0x7e8a, 0x9ed1, 0x1f600, 0x2000b};

// Appends one character: ASCII, a line break (LF, CR LF or a lone CR), kana, a CJK
// ideograph (many of which code page 932 lacks), one of kTricky, or any code point of any
// plane, a lone surrogate included.
inline void take_char(FuzzInput& in, std::u32string& out) {
  const int kind = in.take<uint8_t>() % 8;
  const char32_t v = in.take<uint16_t>();
  if (kind < 2) {
    out += static_cast<char32_t>(0x20 + v % 0x5f);
  } else if (kind == 2) {
    out += v % 3 == 0 ? U"\r\n" : v % 3 == 1 ? U"\r" : U"\n";
  } else if (kind == 3) {
    out += static_cast<char32_t>(v % 2 ? 0x3041 + v / 2 % 0xbe : 0xff61 + v / 2 % 0x3f);
  } else if (kind == 4) {
    out += static_cast<char32_t>(0x4e00 + v % 0x5200);
  } else if (kind < 7) {
    out += kTricky[v % std::size(kTricky)];
  } else {
    out += (char32_t{in.take<uint8_t>()} << 16 | v) % 0x110000;
  }
}

// Up to count characters, fewer where the input ends.
inline std::u32string take_text(FuzzInput& in, size_t count) {
  std::u32string out;
  for (size_t i = 0; i < count && !in.empty(); i++) take_char(in, out);
  return out;
}

inline UnicodeClick take_click(FuzzInput& in) {
  UnicodeClick click;
  const size_t start_length = in.take<uint8_t>() % 8, end_length = in.take<uint8_t>() % 8;
  const uint16_t anchor_code = in.take<uint16_t>(), cursor_code = in.take<uint16_t>();
  click.start_tag = take_text(in, start_length);
  click.end_tag = take_text(in, end_length);
  click.text = take_text(in, SIZE_MAX);
  const int length = static_cast<int>(click.text.size());
  click.anchor = anchor_code % (length + 3) - 1;
  click.cursor = cursor_code % (length + 3) - 1;
  click.anchor_code = anchor_code;
  click.cursor_code = cursor_code;
  return click;
}

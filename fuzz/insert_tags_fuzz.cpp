// libFuzzer target for the Insert-tag command over Unicode texts, as the GTK program and
// the web page run it: arbitrary texts and tags of any code points, surrogates included
// (a browser's text may hold unpaired ones), with extra weight on the characters that
// code page 932 gives back as others, cannot hold at all, or holds twice, and on line
// breaks; the selection in characters, either way round. Against a plain reference: either the text
// becomes the text before the selection + start tag + selection + end tag + the text after it, or
// the click is refused, naming the first character of the start tag, the end tag or the selection
// that does not read back unchanged from code page 932.
#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <unordered_map>

#include "app/core/insert_tags_unicode.h"
#include "fuzz/fuzz_report.h"
#include "fuzz/runtime_target.h"
#include "runtime/strings/strings.h"

namespace {

// Characters that code page 932 gives back as others (〜 ¥ − ‖ — ¢ £ ¬ ‾ ¦ and their
// partners), holds twice, or lacks; its placeholder 〓; the character of an embedded
// object; NUL.
const char32_t kTricky[] = {0x301c, 0xff5e, 0x00a5, 0x005c, 0xff3c, 0x2212, 0xff0d,  0x2016,
                            0x2225, 0x2014, 0x2015, 0x00a2, 0xffe0, 0x00a3, 0xffe1,  0x00ac,
                            0xffe2, 0x203e, 0x007e, 0x00a6, 0xffe4, 0x00e9, 0x3013,  0x00a0,
                            0x0080, 0x00ff, 0xfffd, 0xfeff, 0xfffc, 0x0000, 0x2252,  0x2261,
                            0x221a, 0x2235, 0x2170, 0x2460, 0x7e8a, 0x9ed1, 0x1f600, 0x2000b};

const iconv_t g_to_cp932 = iconv_open("CP932", "UTF-32LE");
const iconv_t g_from_cp932 = iconv_open("UTF-32LE", "CP932");

// Runs one whole conversion of in; false where iconv refuses any of it.
bool convert(iconv_t cd, std::string in, std::string& out) {
  out.assign(in.size() * 4 + 4, '\0');
  char *from = &in[0], *to = &out[0];
  size_t in_left = in.size(), out_left = out.size();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  bool whole = iconv(cd, &from, &in_left, &to, &out_left) != static_cast<size_t>(-1);
  out.resize(out.size() - out_left);
  return whole && in_left == 0;
}

std::string utf32(char32_t c) {
  std::string out;
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>(c >> shift);
  return out;
}

// Whether the character's code page 932 form reads back as the character itself; the
// answers are kept, as the reference's conversions cost more than the code under test.
bool survives_cp932(char32_t c) {
  static std::unordered_map<char32_t, bool> known;
  auto [it, added] = known.try_emplace(c, false);
  std::string cp932, back;
  if (added) {
    it->second = convert(g_to_cp932, utf32(c), cp932) && convert(g_from_cp932, cp932, back) &&
                 back == utf32(c);
  }
  return it->second;
}

std::string codes(const std::u32string& s) {
  std::string out = "'";
  for (size_t i = 0; i < s.size() && i < 40; i++) {
    char code[12];
    std::snprintf(code, sizeof code, "%s%04X", i ? " " : "", static_cast<unsigned>(s[i]));
    out += code;
  }
  return out + (s.size() > 40 ? " ...'" : "'");
}

// Appends one character: ASCII, a line break (LF, CR LF or a lone CR), kana, a CJK
// ideograph (many of which code page 932 lacks), one of kTricky, or any code point of any
// plane, a lone surrogate included.
void take_char(FuzzInput& in, std::u32string& out) {
  const int kind = in.take<uint8_t>() % 8;
  const char32_t v = in.take<uint16_t>();
  if (kind < 2) {
    out += 0x20 + v % 0x5f;
  } else if (kind == 2) {
    out += v % 3 == 0 ? U"\r\n" : v % 3 == 1 ? U"\r" : U"\n";
  } else if (kind == 3) {
    out += v % 2 ? 0x3041 + v / 2 % 0xbe : 0xff61 + v / 2 % 0x3f;
  } else if (kind == 4) {
    out += 0x4e00 + v % 0x5200;
  } else if (kind < 7) {
    out += kTricky[v % std::size(kTricky)];
  } else {
    out += (char32_t{in.take<uint8_t>()} << 16 | v) % 0x110000;
  }
}

// Up to count characters, fewer where the input ends.
std::u32string take_text(FuzzInput& in, size_t count) {
  std::u32string out;
  for (size_t i = 0; i < count && !in.empty(); i++) take_char(in, out);
  return out;
}

std::string outcome(char32_t refused, TagPlace place, const std::u32string& text) {
  if (!refused) return "the text " + codes(text);
  return "the refusal of " + codes({refused}) + " in place " + std::to_string(int(place));
}

// The input: the lengths of the two tags, the selection's anchor and cursor, then the
// characters of the start tag, the end tag and the text.
void check_click(FuzzInput& in) {
  const size_t start_length = in.take<uint8_t>() % 8, end_length = in.take<uint8_t>() % 8;
  const uint16_t anchor_code = in.take<uint16_t>(), cursor_code = in.take<uint16_t>();
  const std::u32string start_tag = take_text(in, start_length);
  const std::u32string end_tag = take_text(in, end_length);
  const std::u32string text = take_text(in, SIZE_MAX);
  // From one before the text to one past its end.
  const int length = static_cast<int>(text.size());
  const int anchor = anchor_code % (length + 3) - 1, cursor = cursor_code % (length + 3) - 1;
  const size_t first = std::clamp(std::min(anchor, cursor), 0, length);
  const size_t end = std::clamp(std::max(anchor, cursor), 0, length);
  const std::u32string selected = text.substr(first, end - first);

  const int32_t live = rt_registry().count;
  const TagEdit edit = insert_tags(text, anchor, cursor, start_tag, end_tag);
  const std::string click = "text " + codes(text) + ", selection " + std::to_string(anchor) +
                            " to " + std::to_string(cursor) + ", tags " + codes(start_tag) +
                            " and " + codes(end_tag);
  if (rt_registry().count != live || !fuzz_record().take().empty()) {
    fuzz_fail(click + ": the strings made are not all released, or one released twice");
  }

  // The first character that does not survive, in the start tag, the end tag, then the
  // selection; with none, the wrapped text.
  const std::u32string looked_at = start_tag + end_tag + selected;
  const auto c = std::find_if(looked_at.begin(), looked_at.end(),
                              [](char32_t c) { return !survives_cp932(c); });
  const size_t at = static_cast<size_t>(c - looked_at.begin());
  const char32_t refused = c == looked_at.end() ? 0 : *c;
  const TagPlace place = at < start_tag.size()                    ? TagPlace::kStartTag
                         : at < start_tag.size() + end_tag.size() ? TagPlace::kEndTag
                                                                  : TagPlace::kSelection;
  const std::u32string expected =
      refused ? U"" : text.substr(0, first) + start_tag + selected + end_tag + text.substr(end);
  std::u32string actual;
  if (!edit.refused && edit.first <= edit.end && edit.end <= text.size()) {
    actual = text.substr(0, edit.first) + edit.replacement + text.substr(edit.end);
  } else if (!edit.refused) {
    actual = U"<the characters out of the text>";
  }
  if (edit.refused != refused || (refused && edit.place != place) || actual != expected) {
    fuzz_fail(click + ": expected " + outcome(refused, place, expected) + ", got " +
              outcome(edit.refused, edit.place, actual));
  }
}

}  // namespace

void fuzz_one_input(FuzzInput& in) { check_click(in); }

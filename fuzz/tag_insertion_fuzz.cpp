// libFuzzer target for the GTK program's Insert-tag computation: arbitrary Unicode texts
// and tags, with extra weight on the characters that code page 932 gives back as others,
// cannot hold at all, or holds twice, and on line breaks; the selection in characters,
// either way round. Against a plain reference: either the text becomes the text before
// the selection + start tag + selection + end tag + the text after it, or the click is
// refused, naming the first character of the start tag, the end tag or the selection that
// does not read back unchanged from code page 932.
#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "app/gtk/tag_insertion.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_report.h"
#include "fuzz/input_record.h"
#include "runtime/strings/strings.h"

namespace {

const char32_t kTricky[] = {0x301c, 0xff5e, 0x00a5, 0x005c, 0xff3c, 0x2212, 0xff0d,  0x2016,
                            0x2225, 0x2014, 0x2015, 0x00a2, 0xffe0, 0x00a3, 0xffe1,  0x00ac,
                            0xffe2, 0x203e, 0x007e, 0x00a6, 0xffe4, 0x00e9, 0x3013,  0x00a0,
                            0x0080, 0x00ff, 0xfffd, 0xfeff, 0xfffc, 0x0000, 0x2252,  0x2261,
                            0x221a, 0x2235, 0x2170, 0x2460, 0x7e8a, 0x9ed1, 0x1f600, 0x2000b};

InputRecord* g_record = nullptr;
iconv_t g_to_cp932, g_from_cp932, g_from_utf32;

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

std::string utf8(const std::u32string& s) {
  std::string utf32, out;
  for (char32_t c : s) {
    for (int shift = 0; shift < 32; shift += 8) utf32 += static_cast<char>(c >> shift);
  }
  if (!convert(g_from_utf32, utf32, out)) fuzz_fail("iconv cannot write the text as UTF-8");
  return out;
}

// Whether the character's code page 932 form reads back as the character itself; the
// answers are kept, as the reference's conversions cost more than the code under test.
bool survives_cp932(char32_t c) {
  static std::unordered_map<char32_t, bool> known;
  auto it = known.find(c);
  if (it != known.end()) return it->second;
  std::string cp932, back;
  const bool survives = convert(g_to_cp932, utf8({c}), cp932) &&
                        convert(g_from_cp932, cp932, back) && back == utf8({c});
  return known[c] = survives;
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
// ideograph (many of which code page 932 lacks), one of kTricky, or any scalar value of
// any plane.
void take_char(FuzzInput& in, std::u32string& out) {
  const uint8_t kind = in.take<uint8_t>();
  const uint16_t v = in.take<uint16_t>();
  switch (kind % 8) {
    case 0:
    case 1:
      out += static_cast<char32_t>(0x20 + v % 0x5f);
      break;
    case 2:
      out += v % 3 == 0 ? U"\r\n" : v % 3 == 1 ? U"\r" : U"\n";
      break;
    case 3:
      out += static_cast<char32_t>(v % 2 ? 0x3041 + v / 2 % 0xbe : 0xff61 + v / 2 % 0x3f);
      break;
    case 4:
      out += static_cast<char32_t>(0x4e00 + v % 0x5200);
      break;
    case 5:
    case 6:
      out += kTricky[v % (sizeof kTricky / sizeof kTricky[0])];
      break;
    default: {
      const char32_t c = (char32_t{in.take<uint8_t>()} << 16 | v) % 0x110000;
      out += c >= 0xd800 && c < 0xe000 ? c + 0x800 : c;
    }
  }
}

// Up to count characters, fewer where the input ends.
std::u32string take_text(FuzzInput& in, size_t count) {
  std::u32string out;
  for (size_t i = 0; i < count && !in.empty(); i++) take_char(in, out);
  return out;
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
  const int anchor = static_cast<int>(anchor_code % (text.size() + 3)) - 1;
  const int cursor = static_cast<int>(cursor_code % (text.size() + 3)) - 1;
  const size_t first =
      static_cast<size_t>(std::clamp(std::min(anchor, cursor), 0, int(text.size())));
  const size_t end = static_cast<size_t>(std::clamp(std::max(anchor, cursor), 0, int(text.size())));
  const std::u32string before = text.substr(0, first), selected = text.substr(first, end - first),
                       after = text.substr(end);

  const int32_t live = rt_registry().count;
  const TagInsertion edit =
      tag_insertion(utf8(text), anchor, cursor, utf8(start_tag), utf8(end_tag));
  const std::string case_text = "text " + codes(text) + ", selection " + std::to_string(anchor) +
                                " to " + std::to_string(cursor) + ", tags " + codes(start_tag) +
                                " and " + codes(end_tag);
  if (rt_registry().count != live || !g_record->take().empty()) {
    fuzz_fail(case_text + ": the strings made are not all released, or one released twice");
  }

  char32_t refused = 0;
  TagPlace place = TagPlace::kSelection;
  const std::pair<const std::u32string*, TagPlace> places[] = {{&start_tag, TagPlace::kStartTag},
                                                               {&end_tag, TagPlace::kEndTag},
                                                               {&selected, TagPlace::kSelection}};
  for (const auto& p : places) {
    auto c = std::find_if(p.first->begin(), p.first->end(),
                          [](char32_t c) { return !survives_cp932(c); });
    if (c == p.first->end()) continue;
    refused = *c;
    place = p.second;
    break;
  }
  if (edit.refused != refused || (refused && edit.place != place)) {
    fuzz_fail(case_text + ": refused " + codes({edit.refused}) + " in place " +
              std::to_string(int(edit.place)) + ", expected " + codes({refused}) + " in place " +
              std::to_string(int(place)));
  }
  if (refused) return;
  const std::string expected = utf8(before + start_tag + selected + end_tag + after);
  const std::string actual = edit.first == first && edit.end == end
                                 ? utf8(before) + edit.replacement + utf8(after)
                                 : "characters " + std::to_string(edit.first) + " to " +
                                       std::to_string(edit.end) + " replaced";
  if (actual != expected) {
    fuzz_fail(case_text + ": expected the text '" + expected + "', got '" + actual + "'");
  }
}

}  // namespace

// The record's files lie beside the target: tag_insertion_fuzz.last-input and
// tag_insertion_fuzz.debug-channel.
// As in the strings target: a small quarantine still catches a use after release within one
// input, and keeps the allocator from touching fresh pages all the time.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
  rt_init();
  fuzz_keep_report_channel();
  static InputRecord record((*argv)[0]);
  g_record = &record;
  g_to_cp932 = iconv_open("CP932", "UTF-8");
  g_from_cp932 = iconv_open("UTF-8", "CP932");
  g_from_utf32 = iconv_open("UTF-8", "UTF-32LE");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  g_record->begin(data, size);
  FuzzInput in(data, size);
  check_click(in);
  g_record->end();
  return 0;
}

// libFuzzer target for the Insert-tag command over Unicode texts (wrap_unicode_selection),
// as the GTK program and the web page run it, on clicks drawn by click_input.h: texts and tags of any code points,
// surrogates included (a browser's text may hold unpaired ones), the selection in
// characters, either way round. Against a plain reference: either the text becomes the
// text before the selection + start tag + selection + end tag + the text after it, or the
// click is refused, naming the first character of the start tag, the end tag or the
// selection that does not read back unchanged from code page 932.
#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <unordered_map>

#include "app/core/wrap_unicode_selection.h"
#include "fuzz/click_input.h"
#include "fuzz/fuzz_report.h"
#include "fuzz/runtime_target.h"
#include "runtime/strings/strings.h"

namespace {

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

std::string outcome_text(char32_t refused, TagPlace place, const std::u32string& text) {
  if (!refused) return "the text " + codes(text);
  return "the refusal of " + codes({refused}) + " in place " + std::to_string(int(place));
}

void check_click(FuzzInput& in) {
  const UnicodeClick drawn = take_click(in);
  const std::u32string &text = drawn.text, &start_tag = drawn.start_tag, &end_tag = drawn.end_tag;
  const int anchor = drawn.anchor, cursor = drawn.cursor;
  const int length = static_cast<int>(text.size());
  const size_t first = std::clamp(std::min(anchor, cursor), 0, length);
  const size_t end = std::clamp(std::max(anchor, cursor), 0, length);
  const std::u32string selected = text.substr(first, end - first);

  const int32_t live = rt_registry().count;
  const TagOutcome outcome =
      wrap_unicode_selection(std::u32string_view(text).substr(0, first), selected,
                             std::u32string_view(text).substr(end), start_tag, end_tag);
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
  const std::u32string actual =
      outcome.refused ? U"" : text.substr(0, first) + outcome.replacement + text.substr(end);
  if (outcome.refused != refused || (refused && outcome.place != place) || actual != expected) {
    fuzz_fail(click + ": expected " + outcome_text(refused, place, expected) + ", got " +
              outcome_text(outcome.refused, outcome.place, actual));
  }
}

}  // namespace

void fuzz_one_input(FuzzInput& in) { check_click(in); }

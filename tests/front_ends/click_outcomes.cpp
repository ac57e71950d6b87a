// click_outcomes CASES CORPUS...: the GTK program's side of the comparison of the two
// Unicode front-ends. Writes the clicks to compare into CASES, one a line, and prints the
// outcome of each as the GTK program's command computes it between its widgets (UTF-8 in,
// UTF-8 out); click_outcomes.js prints the web page's for the same file. The clicks: every
// character of the Basic Multilingual Plane selected, before the selection, and as the
// start tag; and every input of the fuzz corpora given. A GTK text holds no NUL and no
// surrogate, so the clicks with one are left out (their number goes to standard error).
//
// A line of CASES: anchor cursor text start_tag end_tag, each text as hexadecimal code
// points joined by '.', '-' for the empty text. A line of the outcome: "wrap" and the whole
// text after the click, or "refuse" and the message line, both written as in CASES.
#include <glib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/core/refusal_message.h"
#include "app/gtk/text_command.h"
#include "app/gtk/utf8.h"
#include "fuzz/click_input.h"
#include "runtime/strings/strings.h"

namespace {

std::string codes(std::u32string_view text) {
  if (text.empty()) return "-";
  std::string out;
  char code[12];
  for (char32_t c : text) {
    std::snprintf(code, sizeof code, "%s%X", out.empty() ? "" : ".", static_cast<unsigned>(c));
    out += code;
  }
  return out;
}

bool gtk_can_hold(const std::u32string& text) {
  for (char32_t c : text) {
    if (c == 0 || (c >= 0xd800 && c < 0xe000)) return false;
  }
  return true;
}

// The click's text cut at its selection, which the GTK program's buffer gives in order
// and within the text.
std::string outcome(const UnicodeClick& click) {
  const int length = static_cast<int>(click.text.size());
  const size_t first = std::clamp(std::min(click.anchor, click.cursor), 0, length);
  const size_t end = std::clamp(std::max(click.anchor, click.cursor), 0, length);
  const std::string before = utf8_of_unicode(click.text.substr(0, first));
  const std::string after = utf8_of_unicode(click.text.substr(end));
  const TagOutcome edit = wrap_utf8_selection(
      before.c_str(), utf8_of_unicode(click.text.substr(first, end - first)).c_str(),
      after.c_str(), utf8_of_unicode(click.start_tag).c_str(),
      utf8_of_unicode(click.end_tag).c_str());
  if (edit.refused) {
    return "refuse " + codes(unicode_of_utf8(
                           utf8_of_unicode(refusal_message(edit.refused, edit.place)).c_str()));
  }
  return "wrap " + codes(unicode_of_utf8((before + utf8_of_unicode(edit.replacement) + after).c_str()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: click_outcomes CASES CORPUS...\n");
    return 2;
  }
  rt_init();
  std::vector<UnicodeClick> clicks;
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c >= 0xd800 && c < 0xe000) continue;
    const std::u32string around = std::u32string(U"a") + c + U"b";
    const int reversed = static_cast<int>(c % 2);
    clicks.push_back({around, U"<", U">", 1 + reversed, 2 - reversed});
    clicks.push_back({around, U"[", U"]", 2, 3});
    clicks.push_back({U"xyz", std::u32string(1, c), U"", 1, 2});
  }
  size_t left_out = 0;
  for (int i = 2; i < argc; ++i) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
      std::ifstream file(entry.path(), std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(file)), {});
      FuzzInput in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      UnicodeClick click = take_click(in);
      if (gtk_can_hold(click.text + click.start_tag + click.end_tag)) {
        clicks.push_back(click);
      } else {
        ++left_out;
      }
    }
  }
  std::ofstream cases(argv[1]);
  for (const UnicodeClick& click : clicks) {
    cases << click.anchor << ' ' << click.cursor << ' ' << codes(click.text) << ' '
          << codes(click.start_tag) << ' ' << codes(click.end_tag) << '\n';
    std::puts(outcome(click).c_str());
  }
  std::fprintf(stderr,
               "click_outcomes: %zu clicks, %zu of the corpora left out (NUL or surrogate)\n",
               clicks.size(), left_out);
  return cases ? 0 : 1;
}

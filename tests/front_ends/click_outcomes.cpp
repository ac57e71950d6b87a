// click_outcomes CASES CORPUS...: the GTK program's side of the comparison of the two
// Unicode front-ends. Writes the clicks to compare into CASES, one a line, and prints the
// text after each as the GTK program's command leaves it in a text buffer;
// click_outcomes.js prints the web page's for the same file. The clicks: every character
// of the Basic Multilingual Plane selected, before the selection, and as the start tag;
// and every input of the fuzz corpora given. A GTK text holds no NUL and no surrogate, so
// the clicks with one are left out (their number goes to standard error).
//
// A line of CASES: anchor cursor text start_tag end_tag, each text as hexadecimal code
// points joined by '.', '-' for the empty text. A line of the outcome: the whole text after
// the click, written so.
#include <gtk/gtk.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/front_end_clicks.h"
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

// The whole text after the click in buffer.
std::string outcome(GtkTextBuffer* buffer, const UnicodeClick& click) {
  gunichar* characters = g_utf8_to_ucs4_fast(click_in_buffer(buffer, click).c_str(), -1, nullptr);
  std::string written = codes(reinterpret_cast<const char32_t*>(characters));
  g_free(characters);
  return written;
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
  GtkTextBuffer* buffer = gtk_text_buffer_new(nullptr);
  for (const UnicodeClick& click : clicks) {
    cases << click.anchor << ' ' << click.cursor << ' ' << codes(click.text) << ' '
          << codes(click.start_tag) << ' ' << codes(click.end_tag) << '\n';
    std::puts(outcome(buffer, click).c_str());
  }
  g_object_unref(buffer);
  std::fprintf(stderr,
               "click_outcomes: %zu clicks, %zu of the corpora left out (NUL or surrogate)\n",
               clicks.size(), left_out);
  return cases ? 0 : 1;
}

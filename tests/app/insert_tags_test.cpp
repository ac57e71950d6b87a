// The Insert-tag command on the real controls: each click must leave the text exactly
// as the plain reference says, with no byte lost or changed outside the selection.
#include "tests/app/app_fixture.h"

namespace {

using InsertTagsTest = MainWindowTest;

// The text before the click is before + selected + after; the selection is dragged from
// left to right unless reversed.
struct Click {
  const char* name;
  std::string before, selected, after;
  std::string start_tag, end_tag;
  bool reversed;
};

// Sets up the controls, clicks, and compares the whole text with the reference.
void check_click(const Click& c) {
  SCOPED_TRACE(c.name);
  const std::string text = c.before + c.selected + c.after;
  set_text(child(IDC_TEXT), text);
  set_text(child(IDC_START_TAG), c.start_tag);
  set_text(child(IDC_END_TAG), c.end_tag);
  int32_t from = int32_t(c.before.size()), to = from + int32_t(c.selected.size());
  if (c.reversed) std::swap(from, to);
  select_bytes(from, to);

  click_insert();

  const std::string expected = c.before + c.start_tag + c.selected + c.end_tag + c.after;
  const std::string actual = window_text(child(IDC_TEXT));
  EXPECT_EQ(expected.size(), actual.size());
  if (expected != actual) {
    size_t at =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first -
        expected.begin();
    ADD_FAILURE() << "texts differ from byte " << at << ": expected "
                  << hex_bytes(expected.substr(at, 24)) << ", actual "
                  << hex_bytes(actual.substr(at, 24));
  }
  EXPECT_EQ(c.start_tag, window_text(child(IDC_START_TAG)));
  EXPECT_EQ(c.end_tag, window_text(child(IDC_END_TAG)));
  EXPECT_EQ(string_variables(), live_strings()) << "the command released all that it made";
}

// Lines of ordinary length: Wine's edit control is slow on one long line.
std::string lines(const std::string& line, size_t bytes) {
  std::string text;
  while (text.size() + line.size() + 2 <= bytes) text += line + "\r\n";
  return text + std::string(bytes - text.size(), 'z');
}

TEST_F(InsertTagsTest, WrapsTheSelection) {
  const std::string jp = cp932("日本語の");
  const Click clicks[] = {
      {"selection in ASCII text", "ab", "cd", "ef", "[", "]", false},
      {"caret only", "abc", "", "def", "[b]", "[/b]", false},
      {"whole text", "", "abcdef", "", "<p>", "</p>", false},
      {"empty text", "", "", "", "<i>", "</i>", false},
      {"empty tags", "ab", "cd", "ef", "", "", false},
      {"dragged right to left", "ab", "cd", "ef", "(", ")", true},
      {"across lines", "one\r\ntw", "o\r\nthr", "ee\r\n", "<em>", "</em>", false},
      {"Japanese text", jp, cp932("テキスト"), cp932("です。"), cp932("「"), cp932("」"), false},
      {"mixed widths", cp932("aあ"), cp932("bいc"), cp932("うd"), "<b>", "</b>", false},
      {"Japanese tags, reversed", cp932("前"), cp932("中身"), cp932("後"), cp932("【"), cp932("】"),
       true},
      {"trail byte 0x5c", cp932("表"), cp932("ソ能"), "\\", "<", ">", false},
  };
  for (const Click& c : clicks) check_click(c);
}

TEST_F(InsertTagsTest, TagsAreReadAtEveryClick) {
  check_click({"first click", "abc", "def", "ghi", "<1>", "</1>", false});
  // The second click works on the text that the first one left.
  check_click({"second click", "abc<1>", "def", "</1>ghi", "<two>", "</two>", false});
}

// The edit control holds 30,000 characters by default and refuses a replacement that
// would pass that by dropping the selection; the command makes room instead.
TEST_F(InsertTagsTest, NeverLosesTextAtTheLimit) {
  const std::string ascii_line = "The quick brown fox jumps over the lazy dog 0123456789";
  const std::string jp_line = cp932("いろはにほへとちりぬるをわかよたれそつねならむ");
  const Click clicks[] = {
      {"just under the limit", lines(ascii_line, 14990), "0123456789", lines(ascii_line, 14990),
       "<tag>", "</tag>", false},
      {"at the limit, caret only", lines(ascii_line, 15000), "", lines(ascii_line, 15000), "<", ">",
       false},
      {"well over the limit", lines(ascii_line, 30000), "selected", lines(ascii_line, 30000),
       "<tag>", "</tag>", false},
      // 29,968 characters of 59,928 bytes before, past 30,000 characters after.
      {"Japanese near the limit", lines(jp_line, 28760), cp932("選択"), lines(jp_line, 28760),
       "<start-tag-0123456789>", "</start-tag-0123456789>", false},
  };
  for (const Click& c : clicks) check_click(c);
}

}  // namespace

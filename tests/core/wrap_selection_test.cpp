// The tag computation on runtime strings.
#include "app/core/wrap_selection.h"

#include "tests/support/runtime_support.h"

namespace {

using WrapSelectionTest = RuntimeTest;

TEST_F(WrapSelectionTest, WrapsTheSelectedBytes) {
  const std::string jp = cp932("日本語のテキスト");  // 16 bytes, all double-byte
  const std::string mixed = cp932("aあbいc");        // 61 82a0 62 82a2 63
  struct Case {
    const char* name;
    std::string text;
    int32_t start, end;
    std::string start_tag, end_tag, expected;
  };
  const Case cases[] = {
      {"selection in ASCII", "abcdef", 2, 4, "[", "]", "[cd]"},
      {"caret only", "abcdef", 3, 3, "[b]", "[/b]", "[b][/b]"},
      {"whole text", "abcdef", 0, 6, "<p>", "</p>", "<p>abcdef</p>"},
      {"empty text", "", 0, 0, "<i>", "</i>", "<i></i>"},
      {"empty tags", "abcdef", 1, 5, "", "", "bcde"},
      {"reversed bounds", "abcdef", 4, 2, "(", ")", "()"},
      {"end past the text", "abcdef", 4, 60, "(", ")", "(ef)"},
      {"start past the text", "abc", 9, 12, "(", ")", "()"},
      {"negative start", "abc", -2, 2, "(", ")", "()"},
      {"extreme bounds", "abc", INT32_MAX, INT32_MAX, "(", ")", "()"},
      {"Japanese inside", jp, 6, 12, cp932("「"), cp932("」"), cp932("「のテキ」")},
      {"mixed widths", mixed, 1, 6, "<b>", "</b>", "<b>" + mixed.substr(1, 5) + "</b>"},
      {"Japanese tags", "xyz", 1, 2, cp932("【開始】"), cp932("【終了】"),
       cp932("【開始】y【終了】")},
      {"NUL bytes", std::string("a\0b", 3), 0, 3, "<", ">", std::string("<a\0b>", 5)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RtString text = make_string(c.text);
    RtString start_tag = make_string(c.start_tag);
    RtString end_tag = make_string(c.end_tag);
    RtString replacement = wrap_selection(text, c.start, c.end, start_tag, end_tag);
    EXPECT_EQ(hex_bytes(c.expected), hex_bytes(bytes_of(replacement)));
    expect_live({}, {text, start_tag, end_tag, replacement});
    EXPECT_EQ(c.text, bytes_of(text));
    EXPECT_EQ(c.start_tag, bytes_of(start_tag));
    EXPECT_EQ(c.end_tag, bytes_of(end_tag));
    for (RtString s : {text, start_tag, end_tag, replacement}) str_free(s);
  }
}

}  // namespace

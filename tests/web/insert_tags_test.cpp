// The page's command on UTF-16 texts, built for the native tests: every unit outside the
// selection stays, and the selected units come back exactly, lone surrogates and pairs
// that a selection end splits included.
#include "app/web/insert_tags.h"

#include "tests/support/runtime_support.h"

namespace {

using InsertTagsTest = RuntimeTest;

std::string units(const std::u16string& text) {
  std::string out;
  for (char16_t u : text) out += " " + std::to_string(u);
  return out;
}

TEST_F(InsertTagsTest, GivesBackTheSelectedUnitsBetweenTheTags) {
  const char16_t high = 0xd83d, low = 0xde00;  // 😀 as a pair
  const struct {
    const char* name;
    std::u16string text;
    size_t first, end;
    std::u16string start_tag, end_tag;
  } clicks[] = {
      {"ASCII", u"abcdef", 2, 4, u"[", u"]"},
      {"wave dash, e acute, emoji", u"10時〜12時 café 😀", 2, 15, u"<b>", u"</b>"},
      {"a pair inside", u"a😀b", 1, 3, u"【", u"】"},
      {"an end that splits a pair", {u'a', high, low, u'b'}, 1, 2, u"<", u">"},
      {"a start that splits a pair", {u'a', high, low, u'b'}, 2, 4, u"<", u">"},
      {"lone surrogates", {low, high, u'x', high}, 0, 4, {high}, {low}},
      {"a tag's half meets the selection's", {low, u'y'}, 0, 1, {high}, {u'z', high}},
      {"caret at the end", u"末尾", 2, 2, u"〜", u"é"},
      {"empty text, empty tags", u"", 0, 0, u"", u""},
  };
  for (const auto& c : clicks) {
    SCOPED_TRACE(c.name);
    const std::u16string expected =
        c.start_tag + c.text.substr(c.first, c.end - c.first) + c.end_tag;
    EXPECT_EQ(units(expected), units(insert_tags(c.text, c.first, c.end, c.start_tag, c.end_tag)));
  }
}

}  // namespace

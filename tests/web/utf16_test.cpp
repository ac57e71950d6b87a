// The web page's edge between the browser's UTF-16 and the core's characters, built for
// the native tests: pairs of surrogates, lone ones, and selection ends that split a pair.
#include "app/web/utf16.h"

#include "tests/support/runtime_support.h"

namespace {

// Every text comes back unit for unit, split pairs and lone surrogates included.
TEST(Utf16Edge, ReadsPairsAndLoneSurrogatesAndMovesTheSelectionEnds) {
  const struct {
    std::u16string text;
    int32_t anchor, cursor;
    std::u32string characters;
    int32_t anchor_after, cursor_after;
  } cases[] = {
      {u"a\U0001f600b", 0, 4, U"a\U0001f600b", 0, 3},
      {u"a\U0001f600b", 4, 1, U"a\U0001f600b", 3, 1},
      // An end between the two halves keeps them apart.
      {u"a\U0001f600b", 2, 4, {U'a', 0xd83d, 0xde00, U'b'}, 2, 4},
      {u"a\U0001f600b", 0, 2, {U'a', 0xd83d, 0xde00, U'b'}, 0, 2},
      {{u'\xdc00', u'a', u'\xd800'}, 0, 3, {0xdc00, U'a', 0xd800}, 0, 3},
      {{u'\xd800', u'\xd800', u'\xdc00'}, 3, 0, {0xd800, 0x10000}, 2, 0},
      {{u'\xd800', u'\xe000'}, 0, 2, {0xd800, 0xe000}, 0, 2},
      {u"abc", -5, 99, U"abc", 0, 3},
      {u"", 0, 0, U"", 0, 0},
  };
  for (const auto& c : cases) {
    int32_t anchor = c.anchor, cursor = c.cursor;
    const std::u32string characters = unicode_of_utf16(c.text, anchor, cursor);
    EXPECT_EQ(code_points(c.characters), code_points(characters));
    EXPECT_EQ(c.anchor_after, anchor);
    EXPECT_EQ(c.cursor_after, cursor);
    EXPECT_TRUE(utf16_of_unicode(characters) == c.text) << "the units come back as they were";
  }
}

TEST(Utf16Edge, WritesCharactersBeyondSixteenBitsAsPairs) {
  const std::u32string text = {U'a', 0x10000, 0x10ffff, 0xd800, U'日'};
  EXPECT_TRUE(utf16_of_unicode(text) ==
              (std::u16string{u'a', 0xd800, 0xdc00, 0xdbff, 0xdfff, 0xd800, u'日'}));
}

}  // namespace

// The web page's edge between the browser's UTF-16 and the core's characters, built for
// the native tests: pairs of surrogates and lone ones.
#include "app/web/utf16.h"

#include "tests/support/runtime_support.h"

namespace {

// Every text comes back unit for unit, lone surrogates included.
TEST(Utf16Edge, ReadsPairsAndLoneSurrogates) {
  const struct {
    std::u16string text;
    std::u32string characters;
  } cases[] = {
      {u"a\U0001f600b", U"a\U0001f600b"},
      {{u'a', 0xd83d}, {U'a', 0xd83d}},
      {{0xde00, u'b'}, {0xde00, U'b'}},
      {{u'\xdc00', u'a', u'\xd800'}, {0xdc00, U'a', 0xd800}},
      {{u'\xd800', u'\xd800', u'\xdc00'}, {0xd800, 0x10000}},
      {{u'\xd800', u'\xe000'}, {0xd800, 0xe000}},
      {u"", U""},
  };
  for (const auto& c : cases) {
    const std::u32string characters = unicode_of_utf16(c.text);
    EXPECT_EQ(code_points(c.characters), code_points(characters));
    EXPECT_TRUE(utf16_of_unicode(characters) == c.text) << "the units come back as they were";
  }
}

TEST(Utf16Edge, WritesCharactersBeyondSixteenBitsAsPairs) {
  const std::u32string text = {U'a', 0x10000, 0x10ffff, 0xd800, U'日'};
  EXPECT_TRUE(utf16_of_unicode(text) ==
              (std::u16string{u'a', 0xd800, 0xdc00, 0xdbff, 0xdfff, 0xd800, u'日'}));
}

}  // namespace

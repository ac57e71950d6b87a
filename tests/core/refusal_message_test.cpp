// What the message line says of a refused click, and the texts of the controls as the
// runtime reads them.
#include "app/core/refusal_message.h"

#include "app/core/cp932_texts.h"
#include "tests/support/runtime_support.h"

namespace {

TEST(RefusalMessage, NamesThePlaceTheCharacterAndItsCodePoint) {
  const std::u32string rest =
      U" は Shift-JIS (コードページ 932) で表せないため、何も変更していません。";
  const std::pair<std::u32string, std::u32string> cases[] = {
      {refusal_message(U'\u301c', TagPlace::kSelection), U"選択範囲の「〜」(U+301C)"},
      {refusal_message(U'\u00a5', TagPlace::kStartTag), U"開始タグの「¥」(U+00A5)"},
      {refusal_message(U'\U0001f600', TagPlace::kEndTag), U"終了タグの「😀」(U+1F600)"},
      {refusal_message(U'\U0010ffff', TagPlace::kSelection), U"選択範囲の「\U0010ffff」(U+10FFFF)"},
      {refusal_message(char32_t{0xd800}, TagPlace::kSelection),
       std::u32string(U"選択範囲の「") + char32_t{0xd800} + U"」(U+D800)"},
  };
  for (const auto& [actual, expected] : cases) EXPECT_EQ(code_points(expected + rest), code_points(actual));
}

// A text answers a query with at most size - 1 bytes and a NUL, and a query with no room
// leaves the buffer alone.
TEST(Cp932Text, DeliversWhatFitsTheBuffer) {
  TagText tag(U"aあb");
  EXPECT_EQ(4, tag.text_length());
  char buffer[8] = "xxxxxxx";
  tag.get_text(buffer, 0);
  EXPECT_EQ("xxxxxxx", std::string(buffer));
  tag.get_text(buffer, 3);
  EXPECT_EQ(hex_bytes(cp932("a") + std::string(1, '\x82')), hex_bytes(buffer));
  tag.get_text(buffer, 8);
  EXPECT_EQ(hex_bytes(cp932("aあb")), hex_bytes(buffer));
}

}  // namespace

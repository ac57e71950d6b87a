// What the message line says of a refused click.
#include "app/core/refusal_message.h"

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

}  // namespace

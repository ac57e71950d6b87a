#include "app/core/refusal_message.h"

#include <cstring>

#include "app/core/cp932.h"
#include "app/core/layout.h"

namespace {

// A tag field's place is named by its label.
std::u32string place_name(TagPlace place) {
  if (place == TagPlace::kSelection) return U"選択範囲";
  const char* label =
      place_of(place == TagPlace::kStartTag ? IDC_START_LABEL : IDC_END_LABEL)->text;
  std::u32string name;
  append_unicode(label, std::strlen(label), name);
  return name;
}

// U+ and at least four upper-case hexadecimal digits.
std::u32string code_point(char32_t c) {
  std::u32string digits;
  for (int shift = c > 0xffff ? (c > 0xfffff ? 20 : 16) : 12; shift >= 0; shift -= 4) {
    digits += U"0123456789ABCDEF"[c >> shift & 0xf];
  }
  return U"U+" + digits;
}

}  // namespace

std::u32string refusal_message(char32_t refused, TagPlace place) {
  return place_name(place) + U"の「" + refused + U"」(" + code_point(refused) +
         U") は Shift-JIS (コードページ 932) で表せないため、何も変更していません。";
}

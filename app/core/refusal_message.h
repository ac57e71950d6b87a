// What the message line says when a click is refused.
#pragma once

#include <string>

#include "app/core/wrap_unicode_selection.h"

// Returns the message for a click refused because of the character refused in place:
// where it stands (the label of its tag field, or 選択範囲), the character and its code
// point, and that nothing was changed. For example:
// 選択範囲の「〜」(U+301C) は Shift-JIS (コードページ 932) で表せないため、何も変更していません。
std::u32string refusal_message(char32_t refused, TagPlace place);

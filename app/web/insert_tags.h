// The Insert-tag command over the page's texts. A browser's texts are UTF-16 and may hold
// unpaired surrogates; the runtime's strings hold them as generalised UTF-8, in which an
// unpaired surrogate is a three-byte form of its own, so that both ways are exact.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Runs the command (app/core/tag_command.h) once on text, whose units first to end
// (0-based, first <= end <= the text's length) are selected, and on the two tags. Returns
// what replaces the selected units: start_tag, those units and end_tag, unit for unit. The
// text is converted in three parts, cut at the selection, so that a surrogate pair that a
// selection end splits stays two units. The texts stay with the caller; every runtime
// string that the command makes is released before it returns.
std::u16string insert_tags(std::u16string_view text, size_t first, size_t end,
                           std::u16string_view start_tag, std::u16string_view end_tag);

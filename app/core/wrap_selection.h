// The computation of the Insert-tag command: the selection of the text becomes start tag +
// selection + end tag.
#pragma once

#include <cstdint>

#include "runtime/strings/strings.h"

// Returns start_tag, the characters of text from 0-based position selection_start up to
// (not including) selection_end, and end_tag, joined; no characters when the selection is
// empty or reversed. Positions count bytes. Consumes none of its arguments: text and both
// tags stay registered and unchanged, and the result is a new string for the caller.
RtString wrap_selection(RtString text, int32_t selection_start, int32_t selection_end,
                        RtString start_tag, RtString end_tag);

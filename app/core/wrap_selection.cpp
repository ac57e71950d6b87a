#include "app/core/wrap_selection.h"

// The selected part starts as an empty string that the cut replaces, and every string
// handed to a consuming operation is a copy (docs/deliberate.md, "Empty strings made and
// replaced"). The copies are made in a fixed order: the start tag's, then the selection's.
RtString wrap_selection(RtString text, int32_t selection_start, int32_t selection_end,
                        RtString start_tag, RtString end_tag) {
  RtString selected = str_new(0);
  // The first selected character at 1-based position start + 1; a start at the very top
  // of the range selects nothing, like any start past the end of the text.
  int32_t first = selection_start == INT32_MAX ? INT32_MAX : selection_start + 1;
  str_assign(selected, str_range(str_copy(text), first, selection_end));
  RtString tag = str_copy(start_tag);
  RtString part = str_copy(selected);
  RtString joined = str_concat(tag, part);
  RtString replacement = str_concat(joined, str_copy(end_tag));
  str_free(selected);
  return replacement;
}

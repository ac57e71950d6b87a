#include "runtime/strings/strings.h"

// Returns the window's text at the length the window reports (docs/deliberate.md, "The
// text's length as the window reports it"). The buffer's own length sizes the text
// query, so a window that reports a negative length cannot be asked to write past it.
RtString str_window_text(RtWindow window) {
  int32_t n = plat_window_text_length(window);
  RtString buffer = str_buffer(n);
  plat_window_text(window, buffer, str_length(buffer) + 1);
  RtString r = str_copy(buffer);
  str_free(buffer);
  return r;
}

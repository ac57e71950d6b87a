#include "runtime/strings/strings.h"

// A text constant as a runtime string: measured, then copied with its NUL.
RtString str_from_text(const char* text) {
  RtString s = str_new(plat_text_length(text));
  plat_text_copy(s, text);
  return s;
}

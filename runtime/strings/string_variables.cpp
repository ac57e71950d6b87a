// String variables and text constants.
#include "runtime/strings/strings.h"

// The new value has been computed by the caller already; the old one goes first.
void str_assign(RtString& variable, RtString value) {
  str_free(variable);
  variable = value;
}

RtString str_from_text(const char* text) {
  RtString s = str_new(plat_text_length(text));
  plat_text_copy(s, text);
  return s;
}

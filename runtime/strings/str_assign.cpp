#include "runtime/strings/strings.h"

// The new value has been computed by the caller already; the old one goes first.
void str_assign(RtString& variable, RtString value) {
  str_free(variable);
  variable = value;
}

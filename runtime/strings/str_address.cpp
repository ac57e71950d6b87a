#include "runtime/strings/strings.h"

// Returns the handle held by the variable as an integer; the variable keeps its string.
intptr_t str_address(RtString& variable) { return reinterpret_cast<intptr_t>(variable); }

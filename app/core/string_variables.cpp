#include "app/core/string_variables.h"

RtString g_string_vars[kStringVariableCount];

void init_string_variables() {
  for (int i = 0; i < kStringVariableCount; ++i) g_string_vars[i] = str_new(0);
}

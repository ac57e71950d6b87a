// The application's global string variables, shared by every front-end.
#pragma once

#include "runtime/strings/strings.h"

constexpr int kStringVariableCount = 32;

// Each holds an empty string from start-up on; nothing else reads or writes them
// (docs/deliberate.md, "The 32 string variables").
extern RtString g_string_vars[kStringVariableCount];

// Gives the 32 variables their first values, str_new(0), in index order: right after
// rt_init they are the first strings of the process.
void init_string_variables();

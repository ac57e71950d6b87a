// Constants shared by the numeric routines.
#pragma once

// The double nearest to ln 2 (bits 3FE62E42FEFA39EF), one constant: it is
// never split into a high and a low part.
constexpr double num_ln2 = 0.6931471805599453;

// The double nearest to sqrt 2 (bits 3FF6A09E667F3BCD).
constexpr double num_sqrt2 = 1.4142135623730951;

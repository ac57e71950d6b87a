#include "runtime/numeric/numeric.h"

// Returns x unchanged.
double num_pass(double x) { return x; }

#include "tests/support/click_support.h"

#include <algorithm>

#include "tests/support/runtime_support.h"

void expect_same_text(const std::string& expected, const std::string& actual) {
  if (expected == actual) return;
  size_t at =
      size_t(std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first -
             expected.begin());
  ADD_FAILURE() << "texts of " << expected.size() << " and " << actual.size()
                << " bytes differ from byte " << at << ": expected "
                << hex_bytes(expected.substr(at, 24)) << ", actual "
                << hex_bytes(actual.substr(at, 24));
}

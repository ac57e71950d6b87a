#include "tests/support/click_support.h"

#include <algorithm>

#include "tests/support/runtime_support.h"

const Click kAsciiClicks[10] = {
    {"selection in ASCII text", "ab", "cd", "ef", "[", "]", false},
    {"caret only", "abc", "", "def", "[b]", "[/b]", false},
    {"whole text", "", "abcdef", "", "<p>", "</p>", false},
    {"empty text", "", "", "", "<i>", "</i>", false},
    {"empty tags", "ab", "cd", "ef", "", "", false},
    {"dragged right to left", "ab", "cd", "ef", "(", ")", true},
    {"caret at the very start", "", "", "abc", "[", "]", false},
    {"caret at the very end", "abc", "", "", "[", "]", false},
    {"the first character", "", "a", "bc", "<", ">", true},
    {"caret only, no tags", "ab", "", "cd", "", "", false},
};

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

#include "tests/support/runtime_support.h"

#include <algorithm>
#include <cstdio>

RtString make_string(const std::string& bytes) {
  RtString s = str_new(static_cast<int32_t>(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), s);
  return s;
}

std::string bytes_of(RtString s) { return std::string(s, static_cast<size_t>(str_length(s))); }

std::vector<RtString> live_strings() {
  const StringRegistry& registry = rt_registry();
  return std::vector<RtString>(registry.entries, registry.entries + registry.count);
}

bool is_registered(RtString s) {
  std::vector<RtString> live = live_strings();
  return std::find(live.begin(), live.end(), s) != live.end();
}

std::string hex_bytes(const std::string& bytes) {
  std::string out;
  char digits[3];
  for (unsigned char c : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", c);
    out += digits;
  }
  return out;
}

void RuntimeTest::expect_live(const std::vector<RtString>& released,
                              const std::vector<RtString>& added) const {
  std::vector<RtString> expected;
  for (RtString s : before_) {
    if (std::find(released.begin(), released.end(), s) == released.end()) expected.push_back(s);
  }
  expected.insert(expected.end(), added.begin(), added.end());
  EXPECT_EQ(live_strings(), expected);
}

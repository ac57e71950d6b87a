// Shared by the tests of both front-ends' Insert-tag command.
#pragma once

#include <string>

// One click: the text before it is before + selected + after, and the selection is dragged
// from left to right unless reversed.
struct Click {
  const char* name;
  std::string before, selected, after;
  std::string start_tag, end_tag;
  bool reversed;
};

// Clicks on ASCII texts, the same bytes in every front-end: the selection and the caret
// anywhere, the very start and end included, either way round, with and without tags.
extern const Click kAsciiClicks[10];

// Expects actual to be expected; on a difference, reports the first byte that differs and
// the bytes of both from there.
void expect_same_text(const std::string& expected, const std::string& actual);

// What the string operations and the tag computation return, written with std::string
// from their descriptions: the references of the strings fuzz target.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

// str_mid: up to count bytes of s from 1-based position start, count 0 meaning up to the
// end. A start outside s gives nothing, and so does a negative count.
inline std::string mid_reference(const std::string& s, int32_t start, int32_t count) {
  const int64_t offset = int64_t{start} - 1;
  const int64_t length = static_cast<int64_t>(s.size());
  if (offset < 0 || offset >= length || count < 0) return "";
  const int64_t rest = length - offset;
  const int64_t take = count == 0 ? rest : std::min<int64_t>(count, rest);
  return s.substr(static_cast<size_t>(offset), static_cast<size_t>(take));
}

// str_range: the bytes of s from 1-based position first to last, both included, cut at
// the end of s; nothing when first > last or first < 1.
inline std::string range_reference(const std::string& s, int32_t first, int32_t last) {
  if (first > last || first < 1) return "";
  return mid_reference(s, first, last - first + 1);  // 1 <= first <= last: the count fits
}

// wrap_selection: the start tag, the text's bytes at 0-based positions start up to (not
// including) end, cut at the end of the text, and the end tag. Nothing is selected when
// the selection is empty or reversed, or starts before the text or at or after its end.
inline std::string wrap_reference(const std::string& text, int32_t start, int32_t end,
                                  const std::string& start_tag, const std::string& end_tag) {
  const int64_t length = static_cast<int64_t>(text.size());
  std::string selected;
  if (start >= 0 && start < length && end > start) {
    selected = text.substr(static_cast<size_t>(start),
                           static_cast<size_t>(std::min<int64_t>(end, length) - start));
  }
  return start_tag + selected + end_tag;
}

// str_window_text: as many bytes as the window reports (none for a negative length): what
// the window delivers of its text, then NUL bytes up to that length.
inline std::string window_text_reference(const std::string& text, int32_t reported) {
  const size_t length = reported > 0 ? static_cast<size_t>(reported) : 0;
  std::string out = text.substr(0, std::min(length, text.size()));
  out.resize(length, '\0');
  return out;
}

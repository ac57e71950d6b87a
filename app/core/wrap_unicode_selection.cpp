#include "app/core/wrap_unicode_selection.h"

#include <cstdint>

#include "app/core/cp932.h"
#include "app/core/tag_command.h"

namespace {

constexpr char kTooLong[] = "Morvane: a text is longer than 2147483647 bytes";
constexpr char kNotCp932Text[] = "Morvane: the replacement is not code page 932 text";

// A code page 932 text as a window that str_window_text reads whole.
RtTextWindow window_of(const std::string& bytes) {
  if (bytes.size() > INT32_MAX) plat_fatal(kTooLong);  // GCOVR_EXCL_BR_LINE: a 2 GiB text
  return {bytes.data(), bytes.size(), static_cast<int32_t>(bytes.size())};
}

// The controls of one click: the code page 932 forms of the tags and the text, the
// selection in bytes of the text, and the replacement turned back into Unicode.
class Cp932Controls final : public TagControls {
 public:
  Cp932Controls(const std::string& start_tag, const std::string& end_tag, const std::string& text,
                size_t start, size_t end, std::u32string& replacement)
      : start_tag_(window_of(start_tag)),
        end_tag_(window_of(end_tag)),
        text_(window_of(text)),
        start_(static_cast<int32_t>(start)),
        end_(static_cast<int32_t>(end)),
        replacement_(replacement) {}

  RtWindow start_tag_field() override { return &start_tag_; }
  RtWindow end_tag_field() override { return &end_tag_; }
  void get_selection(int32_t* start, int32_t* end) override {
    *start = start_;
    *end = end_;
  }
  RtWindow text_edit() override { return &text_; }
  void replace_selection(RtString replacement) override {
    const size_t count = static_cast<size_t>(str_length(replacement));
    const bool whole = append_unicode(replacement, count, replacement_);
    // Every byte of the replacement came from characters that read back unchanged.
    if (!whole) plat_fatal(kNotCp932Text);  // GCOVR_EXCL_BR_LINE: it always converts
  }

 private:
  const RtTextWindow start_tag_, end_tag_, text_;
  const int32_t start_, end_;
  std::u32string& replacement_;
};

}  // namespace

// The selection's byte positions fall out of converting the text in its three parts. A
// refused click makes no runtime string.
TagOutcome wrap_unicode_selection(std::u32string_view before, std::u32string_view selected,
                                  std::u32string_view after, std::u32string_view start_tag,
                                  std::u32string_view end_tag) {
  TagOutcome outcome;
  std::string start_bytes, end_bytes, text;
  const char32_t in_start_tag = append_cp932(start_tag, start_bytes);
  const char32_t in_end_tag = append_cp932(end_tag, end_bytes);
  append_cp932(before, text);
  const size_t start = text.size();
  const char32_t in_selection = append_cp932(selected, text);
  const size_t end = text.size();
  append_cp932(after, text);
  if (in_start_tag || in_end_tag || in_selection) {
    outcome.refused = in_start_tag ? in_start_tag : in_end_tag ? in_end_tag : in_selection;
    outcome.place = in_start_tag ? TagPlace::kStartTag
                    : in_end_tag ? TagPlace::kEndTag
                                 : TagPlace::kSelection;
    return outcome;
  }
  Cp932Controls controls(start_bytes, end_bytes, text, start, end, outcome.replacement);
  insert_tags(controls);
  return outcome;
}

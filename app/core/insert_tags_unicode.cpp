#include "app/core/insert_tags_unicode.h"

#include <utility>

#include "app/core/cp932.h"
#include "app/core/cp932_texts.h"
#include "app/core/insert_tags.h"

namespace {

// The three texts of one click as the command's controls; the edit is what it produces.
class TextControls final : public TagControls {
 public:
  TextControls(std::u32string_view text, int anchor, int cursor, std::u32string_view start_tag,
               std::u32string_view end_tag)
      : start_(start_tag), end_(end_tag), text_(text, anchor, cursor) {}

  RtWindow start_tag_field() override { return &start_; }
  RtWindow end_tag_field() override { return &end_; }
  void get_selection(int32_t* start, int32_t* end) override { text_.get_selection(start, end); }
  RtWindow text_edit() override { return &text_; }

  // The positions are bytes already; the click is refused at the first of the three
  // texts that holds a character that code page 932 cannot carry.
  bool selection_in_bytes(RtWindow, RtString, int32_t*, int32_t*) override {
    const std::pair<char32_t, TagPlace> places[] = {
        {start_.unfaithful(), TagPlace::kStartTag},
        {end_.unfaithful(), TagPlace::kEndTag},
        {text_.unfaithful_in_selection(), TagPlace::kSelection}};
    for (const auto& p : places) {
      if (!p.first) continue;
      edit_.refused = p.first;
      edit_.place = p.second;
      return false;
    }
    return true;
  }

  // Every byte of the replacement came from characters that read back unchanged, so its
  // conversion cannot fail.
  void replace_selection(RtString replacement) override {
    edit_.first = text_.first_char();
    edit_.end = text_.end_char();
    size_t count = static_cast<size_t>(str_length(replacement));
    if (!append_unicode(replacement, count, edit_.replacement)) {  // GCOVR_EXCL_START
      plat_fatal("Morvane: the replacement is not code page 932 text");
    }  // GCOVR_EXCL_STOP
  }

  TagEdit take_edit() { return std::move(edit_); }

 private:
  TagText start_, end_;
  EditText text_;
  TagEdit edit_;
};

}  // namespace

TagEdit insert_tags(std::u32string_view text, int anchor, int cursor, std::u32string_view start_tag,
                    std::u32string_view end_tag) {
  TextControls controls(text, anchor, cursor, start_tag, end_tag);
  insert_tags(controls);
  return controls.take_edit();
}

#include "app/web/insert_tags.h"

#include <algorithm>
#include <cstdint>

#include "app/core/tag_command.h"

namespace {

// Whether the units at and after at are a surrogate pair.
bool is_pair(std::u16string_view text, size_t at) {
  return at + 1 < text.size() && (text[at] & 0xfc00) == 0xd800 && (text[at + 1] & 0xfc00) == 0xdc00;
}

// The first byte's marks of a form with one, two or three bytes after it.
constexpr unsigned char kLead[] = {0, 0xc0, 0xe0, 0xf0};

// Appends the generalised UTF-8 form of text to out: a surrogate pair as the four bytes
// of its character, any other unit, an unpaired surrogate included, as the one to three
// bytes of its value.
void append_utf8(std::u16string_view text, std::string& out) {
  for (size_t at = 0; at < text.size(); ++at) {
    char32_t c = text[at];
    if (is_pair(text, at)) c = 0x10000 + ((c - 0xd800) << 10) + (text[++at] - 0xdc00);
    const int tail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(kLead[tail] | (c >> (6 * tail)));
    for (int i = tail - 1; i >= 0; --i) out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3f));
  }
}

// The UTF-16 units of count bytes of generalised UTF-8, made of the forms that
// append_utf8 writes; a form cut short at the end reads only the bytes there are.
std::u16string utf16_of_utf8(const char* text, size_t count) {
  std::u16string out;
  out.reserve(count);
  for (size_t at = 0; at < count;) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    const size_t tail = std::min<size_t>(lead < 0xc0   ? 0
                                         : lead < 0xe0 ? 1
                                         : lead < 0xf0 ? 2
                                                       : 3,
                                         count - at);
    char32_t c = tail ? lead & (0x3f >> tail) : lead;
    for (size_t i = 0; i < tail; ++i) c = c << 6 | (static_cast<unsigned char>(text[at++]) & 0x3f);
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xd800 + ((c - 0x10000) >> 10));
      c = 0xdc00 + ((c - 0x10000) & 0x3ff);
    }
    out += static_cast<char16_t>(c);
  }
  return out;
}

// The page's texts in the runtime's units: the tags, and the text with the selection's
// ends as byte positions of it. The replacement comes back as UTF-16.
class EditControls final : public TagControls {
 public:
  EditControls(std::u16string_view text, size_t first, size_t end, std::u16string_view start_tag,
               std::u16string_view end_tag, std::u16string& replacement)
      : replacement_(replacement) {
    append_utf8(start_tag, start_tag_);
    append_utf8(end_tag, end_tag_);
    append_utf8(text.substr(0, first), text_);
    first_ = text_.size();
    append_utf8(text.substr(first, end - first), text_);
    end_ = text_.size();
    append_utf8(text.substr(end), text_);
  }

  RtWindow start_tag_field() override { return window(start_tag_field_, start_tag_); }
  RtWindow end_tag_field() override { return window(end_tag_field_, end_tag_); }
  void get_selection(int32_t* start, int32_t* end) override {
    *start = static_cast<int32_t>(first_);
    *end = static_cast<int32_t>(end_);
  }
  RtWindow text_edit() override { return window(text_edit_, text_); }
  void replace_selection(RtString replacement) override {
    replacement_ = utf16_of_utf8(replacement, static_cast<size_t>(str_length(replacement)));
  }

 private:
  static RtWindow window(RtTextWindow& window, const std::string& text) {
    window = plat_text_window(text.data(), text.size());
    return &window;
  }

  std::string start_tag_, end_tag_, text_;
  size_t first_, end_;
  RtTextWindow start_tag_field_{}, end_tag_field_{}, text_edit_{};
  std::u16string& replacement_;
};

}  // namespace

std::u16string insert_tags(std::u16string_view text, size_t first, size_t end,
                           std::u16string_view start_tag, std::u16string_view end_tag) {
  std::u16string replacement;
  EditControls controls(text, first, end, start_tag, end_tag, replacement);
  insert_tags(controls);
  return replacement;
}

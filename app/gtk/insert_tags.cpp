#include "app/gtk/insert_tags.h"

#include <cstdint>
#include <cstring>

#include "app/core/tag_command.h"

namespace {

// The byte offset of the character count characters after byte from of the size bytes
// of UTF-8 text, found by counting the bytes that begin a character; a character past the
// text stands at its end.
int32_t byte_offset(const char* text, int32_t size, int32_t from, int32_t count) {
  for (int32_t at = from; at < size; ++at) {
    const bool begins = (static_cast<unsigned char>(text[at]) & 0xc0) != 0x80;
    if (begins && count-- == 0) return at;
  }
  return size;
}

// The buffer and the tag fields' texts. GTK counts the selection in characters; the
// command's strings count bytes.
class EditControls final : public TagControls {
 public:
  EditControls(GtkTextBuffer* buffer, const char* start_tag, const char* end_tag)
      : buffer_(buffer), start_tag_(start_tag), end_tag_(end_tag) {}
  ~EditControls() { g_free(text_); }

  RtWindow start_tag_field() override {
    start_tag_field_ = plat_text_window(start_tag_, std::strlen(start_tag_));
    return &start_tag_field_;
  }
  RtWindow end_tag_field() override {
    end_tag_field_ = plat_text_window(end_tag_, std::strlen(end_tag_));
    return &end_tag_field_;
  }

  void get_selection(int32_t* start, int32_t* end) override {
    GtkTextIter first, last;
    gtk_text_buffer_get_selection_bounds(buffer_, &first, &last);
    *start = gtk_text_iter_get_offset(&first);
    *end = gtk_text_iter_get_offset(&last);
  }

  // With a character in place of each embedded object, so that the buffer's offsets and
  // the text's agree.
  RtWindow text_edit() override {
    GtkTextIter begin, end;
    gtk_text_buffer_get_bounds(buffer_, &begin, &end);
    text_ = gtk_text_buffer_get_slice(buffer_, &begin, &end, TRUE);
    text_edit_ = plat_text_window(text_, std::strlen(text_));
    return &text_edit_;
  }

  // One walk through the text for both ends: GTK gives them in order.
  void to_byte_positions(RtString text, int32_t* start, int32_t* end) override {
    const int32_t characters = *end - *start;
    *start = byte_offset(text, str_length(text), 0, *start);
    *end = byte_offset(text, str_length(text), *start, characters);
  }

  // Replaces exactly the selected characters with the replacement's bytes, UTF-8 as the
  // tags and the text that they came from.
  void replace_selection(RtString replacement) override {
    GtkTextIter first, last;
    gtk_text_buffer_get_selection_bounds(buffer_, &first, &last);
    gtk_text_buffer_begin_irreversible_action(buffer_);
    gtk_text_buffer_delete(buffer_, &first, &last);
    gtk_text_buffer_insert(buffer_, &first, replacement, str_length(replacement));
    gtk_text_buffer_end_irreversible_action(buffer_);
  }

 private:
  GtkTextBuffer* const buffer_;
  const char* const start_tag_;
  const char* const end_tag_;
  char* text_ = nullptr;
  RtTextWindow start_tag_field_{}, end_tag_field_{}, text_edit_{};
};

}  // namespace

void insert_tags(GtkTextBuffer* buffer, const char* start_tag, const char* end_tag) {
  EditControls controls(buffer, start_tag, end_tag);
  insert_tags(controls);
}

// The texts of a Unicode front-end's controls as windows of the string runtime. Each is
// made from the characters that its control holds and answers the runtime's text queries
// with their code page 932 form (cp932.h): a character that code page 932 cannot carry
// faithfully is held there as the placeholder 〓, so that the byte positions of everything
// after it stay right.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/strings/strings.h"

class Cp932Text : public RtTextWindow {
 public:
  // The length of the code page 932 text in bytes.
  int32_t text_length() override;
  // Writes at most size - 1 bytes of it and a NUL into buffer.
  void get_text(char* buffer, int32_t size) override;

 protected:
  ~Cp932Text() = default;
  // Stops the process when the text is too long for the runtime's 32-bit lengths.
  void check_length() const;
  std::string text_;
};

// A tag field's text.
class TagText final : public Cp932Text {
 public:
  explicit TagText(std::u32string_view text);
  // The first character of the field that code page 932 cannot carry; 0 when none.
  char32_t unfaithful() const { return unfaithful_; }

 private:
  char32_t unfaithful_;
};

// The text edit's text and its selection. Its code page 932 text keeps the line breaks as
// they stand ("\n", or "\r\n" where the text holds it).
class EditText final : public Cp932Text {
 public:
  // The selection runs between the characters at offsets anchor and cursor, in either
  // order; an offset outside the text counts as its nearer end.
  EditText(std::u32string_view text, int anchor, int cursor);
  // The selection as 0-based byte positions of the code page 932 text, start <= end
  // whichever way it was made; start == end at a bare caret.
  void get_selection(int32_t* start, int32_t* end) const;
  // The selection in characters, first <= end.
  size_t first_char() const { return first_char_; }
  size_t end_char() const { return end_char_; }
  // The first selected character that code page 932 cannot carry; 0 when none.
  char32_t unfaithful_in_selection() const { return unfaithful_in_selection_; }

 private:
  size_t first_char_, end_char_;
  int32_t start_byte_, end_byte_;
  char32_t unfaithful_in_selection_;
};

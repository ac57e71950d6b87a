// The GTK widgets as windows of the string runtime. Each reads its widget once, when it is
// made, and answers the runtime's text queries with the code page 932 form of the text
// (cp932.h): a character that code page 932 cannot carry faithfully is held there as the
// placeholder 〓, so that the byte positions of everything after it stay right.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "runtime/strings/strings.h"

class Cp932Window : public RtTextWindow {
 public:
  // The length of the code page 932 text in bytes.
  int32_t text_length() override;
  // Writes at most size - 1 bytes of it and a NUL into buffer.
  void get_text(char* buffer, int32_t size) override;

 protected:
  ~Cp932Window() = default;
  // Stops the process when the text is too long for the runtime's 32-bit lengths.
  void check_length() const;
  std::string text_;
};

// A single-line field (any GtkEditable).
class FieldWindow final : public Cp932Window {
 public:
  explicit FieldWindow(GtkWidget* field);
  // The first character of the field that code page 932 cannot carry; 0 when none.
  gunichar unfaithful() const { return unfaithful_; }

 private:
  gunichar unfaithful_;
};

// The multi-line text (a GtkTextView) and its selection. Its code page 932 text keeps the
// buffer's line breaks as they stand ("\n", or "\r\n" where the text holds it).
class TextViewWindow final : public Cp932Window {
 public:
  explicit TextViewWindow(GtkWidget* view);
  // The selection as 0-based byte positions of the code page 932 text, start <= end
  // whichever way it was made; start == end at a bare caret.
  void get_selection(int32_t* start, int32_t* end) const;
  // The first selected character that code page 932 cannot carry; 0 when none.
  gunichar unfaithful_in_selection() const { return unfaithful_in_selection_; }
  // Replaces exactly the selected characters with the UTF-8 form of replacement, leaving
  // no undo record, and puts the caret after the insertion. Nothing outside the selection
  // is written. The replacement stays with the caller.
  void replace_selection(RtString replacement);

 private:
  // Appends the code page 932 form of the characters from a to b; returns the first
  // unfaithful one.
  gunichar append_slice(const GtkTextIter& a, const GtkTextIter& b);

  GtkTextBuffer* buffer_;
  int start_offset_, end_offset_;  // the selection in characters of the buffer
  int32_t start_byte_, end_byte_;  // and in bytes of the code page 932 text
  gunichar unfaithful_in_selection_;
};

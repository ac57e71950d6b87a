// The Insert-tag command's order, the same in every front-end: read the start tag, the
// end tag, the selection and the text; wrap; hand the replacement to the text edit;
// release the four working strings in the order in which they were made. A front-end
// supplies its controls through TagControls.
#pragma once

#include <cstdint>

#include "runtime/strings/strings.h"

// How a front-end reads its controls for one run of the command, converts the selection
// and hands the replacement back. Strings that the command passes stay with the command.
class TagControls {
 public:
  // The two tag fields as windows of the string runtime, for str_window_text.
  virtual RtWindow start_tag_field() = 0;
  virtual RtWindow end_tag_field() = 0;
  // Writes the text edit's selection into start and end, as the edit counts it.
  virtual void get_selection(int32_t* start, int32_t* end) = 0;
  // The text edit as a window of the string runtime, for str_window_text.
  virtual RtWindow text_edit() = 0;
  // Turns the selection that get_selection wrote into byte positions of text, which
  // str_window_text read from edit (the window that text_edit returned). Returns false
  // when the click must change nothing: then no replacement is made.
  virtual bool selection_in_bytes(RtWindow edit, RtString text, int32_t* start, int32_t* end) = 0;
  // Replaces the text edit's selection with replacement.
  virtual void replace_selection(RtString replacement) = 0;

 protected:
  ~TagControls() = default;
};

// Runs the command once over controls. Every string that it makes is released before it
// returns, in the order made: start tag, end tag, text, replacement.
void insert_tags(TagControls& controls);

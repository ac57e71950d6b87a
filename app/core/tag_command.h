// The seam between the core and every front-end: the Insert-tag command, written once,
// and what a front-end gives it. The command makes its four working
// strings, reads the start tag, the end tag, the selection and the text through the
// front-end's TagControls, wraps the selection (wrap_selection.h), hands the replacement
// back and releases the strings in the order made.
#pragma once

#include <cstdint>

#include "runtime/strings/strings.h"

// A front-end's controls for one run of the command: the means to read them, each asked
// once and in this order, and the means to apply the outcome. Strings that the command
// passes stay with the command.
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
  // str_window_text has just read from the text edit. An edit that counts bytes leaves
  // them as they are; one that counts characters (Wine's, GTK's) turns them
  // (docs/deliberate.md, "The GTK program's and the page's strings hold UTF-8").
  virtual void to_byte_positions(RtString text, int32_t* start, int32_t* end);
  // Replaces the text edit's selection with replacement.
  virtual void replace_selection(RtString replacement) = 0;

 protected:
  ~TagControls() = default;
};

// Runs the command once over controls. Every string that it makes is released before it
// returns, in the order made: start tag, end tag, text, replacement.
void insert_tags(TagControls& controls);

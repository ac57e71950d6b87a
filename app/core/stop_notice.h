// What the person is told when the program stops because the runtime cannot go on.
#pragma once

#include <cstddef>

// The caption of the notice.
constexpr char kStopNoticeCaption[] = "Morvane";
// Room enough for the notice of any of the runtime's stop messages.
constexpr size_t kStopNoticeSize = 512;

// Writes into out (size bytes, NUL included, cut short if need be) two lines of code page
// 932 text: in Japanese, then in English, that the program stops because of message and
// that the failed command changed no text. Allocates nothing, so that it serves when the
// heap has run out.
void stop_notice_text(const char* message, char* out, size_t size);

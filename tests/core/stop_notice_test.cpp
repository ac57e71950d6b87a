// The text that tells the person why the program stops.
#include "app/core/stop_notice.h"

#include "tests/support/runtime_support.h"

namespace {

// Two lines, Japanese then English, in code page 932, each naming the runtime's message;
// the longest of the runtime's messages fits whole.
TEST(StopNotice, TellsWhyInJapaneseThenEnglish) {
  for (const char* message :
       {"str_new: out of memory, the heap cannot supply a string block",
        "str_concat: the joined string would be longer than 2147483647 bytes"}) {
    char text[kStopNoticeSize];
    stop_notice_text(message, text, sizeof text);
    const std::string m = message;
    std::string expected = cp932("Morvane を続けられないため終了します（" + m +
                                 "）。失敗した操作はテキストを変更していません。\n");
    expected +=
        "Morvane cannot go on and will close (" + m + "). The failed command changed no text.";
    EXPECT_EQ(hex_bytes(expected), hex_bytes(text));
  }
}

// A short buffer takes what fits and its NUL; an empty one is left alone.
TEST(StopNotice, IsCutShortToItsBuffer) {
  char text[16];
  std::fill(std::begin(text), std::end(text), 'x');
  stop_notice_text("m", text, 0);
  EXPECT_EQ(std::string(16, 'x'), std::string(text, 16));
  stop_notice_text("m", text, 9);
  EXPECT_EQ(std::string("Morvane \0xxxxxxx", 16), std::string(text, 16));
}

}  // namespace

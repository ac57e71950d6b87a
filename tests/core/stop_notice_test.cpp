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
    EXPECT_EQ(hex_bytes(cp932("Morvane を続けられないため終了します（" + m +
                              "）。失敗した操作はテキストを変更していません。\n") +
                        "Morvane cannot go on and will close (" + m +
                        "). The failed command changed no text."),
              hex_bytes(text));
  }
}

}  // namespace

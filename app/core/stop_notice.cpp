#include "app/core/stop_notice.h"

#include <cstdio>

// Morvane を続けられないため終了します（message）。失敗した操作はテキストを変更していません。
// Morvane cannot go on and will close (message). The failed command changed no text.
void stop_notice_text(const char* message, char* out, size_t size) {
  std::snprintf(
      out, size,
      "Morvane "
      "\x82\xf0\x91\xb1\x82\xaf\x82\xe7\x82\xea\x82\xc8\x82\xa2\x82\xbd\x82\xdf\x8fI\x97\xb9\x82"
      "\xb5\x82\xdc\x82\xb7\x81i%s"
      "\x81j\x81\x42\x8e\xb8\x94s\x82\xb5\x82\xbd\x91\x80\x8d\xec\x82\xcd\x83\x65\x83L\x83X\x83g"
      "\x82\xf0\x95\xcf\x8dX\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1\x81\x42\n"
      "Morvane cannot go on and will close (%s). The failed command changed no text.",
      message, message);
}

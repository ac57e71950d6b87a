#include "app/core/stop_notice.h"

namespace {

// Morvane を続けられないため終了します（ and ）。失敗した操作はテキストを変更していません。
const char kJapaneseBefore[] =
    "Morvane "
    "\x82\xf0\x91\xb1\x82\xaf\x82\xe7\x82\xea\x82\xc8\x82\xa2\x82\xbd\x82\xdf\x8fI\x97\xb9\x82"
    "\xb5\x82\xdc\x82\xb7\x81i";
const char kJapaneseAfter[] =
    "\x81j\x81\x42\x8e\xb8\x94s\x82\xb5\x82\xbd\x91\x80\x8d\xec\x82\xcd\x83\x65\x83L\x83X\x83g"
    "\x82\xf0\x95\xcf\x8dX\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1\x81\x42";

}  // namespace

// Plain copies, no formatting routine: the Windows program links none of the C library's.
void stop_notice_text(const char* message, char* out, size_t size) {
  if (size == 0) return;
  size_t n = 0;
  auto append = [&](const char* text) {
    for (; *text && n + 1 < size; ++text) out[n++] = *text;
  };
  append(kJapaneseBefore);
  append(message);
  append(kJapaneseAfter);
  append("\nMorvane cannot go on and will close (");
  append(message);
  append("). The failed command changed no text.");
  out[n] = '\0';
}

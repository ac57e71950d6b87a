// Code page 932's table against this machine's iconv, and the conversions built on it.
#include "app/core/cp932.h"

#include <iconv.h>

#include "tests/support/runtime_support.h"

namespace {

// Runs one whole conversion; false where iconv refuses any of it.
bool convert(iconv_t cd, std::string in, std::string& out) {
  out.assign(in.size() * 4 + 4, '\0');
  char *from = &in[0], *to = &out[0];
  size_t in_left = in.size(), out_left = out.size();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  bool whole = iconv(cd, &from, &in_left, &to, &out_left) != size_t(-1) && in_left == 0;
  out.resize(out.size() - out_left);
  return whole;
}

std::string utf32(char32_t c) { return {char(c), char(c >> 8), char(c >> 16), char(c >> 24)}; }

// Every character of the Basic Multilingual Plane has the form that iconv gives it exactly
// when that form reads back as the character, and the form reads back through the table.
TEST(Cp932, AgreesWithIconvOnEveryCharacter) {
  iconv_t to = iconv_open("CP932", "UTF-32LE"), from = iconv_open("UTF-32LE", "CP932");
  int faithful = 0, failures = 0;
  for (char32_t c = 0; c < 0x10000 && failures < 10; ++c) {
    std::string form, back;
    int expected = -1;
    if (convert(to, utf32(c), form) && convert(from, form, back) && back == utf32(c)) {
      expected = form.size() == 1 ? uint8_t(form[0]) : uint8_t(form[0]) << 8 | uint8_t(form[1]);
      ++faithful;
      size_t at = 0;
      if (cp932_char(form.data(), form.size(), at) != c || at != form.size()) {
        ADD_FAILURE() << std::hex << "form " << expected << " does not read back as " << c;
        ++failures;
      }
    }
    if (cp932_form(c) != expected) {
      ADD_FAILURE() << std::hex << "U+" << unsigned(c) << ": form " << cp932_form(c) << ", iconv's "
                    << expected;
      ++failures;
    }
  }
  iconv_close(to);
  iconv_close(from);
  EXPECT_GT(faithful, 7000);
  for (char32_t c : {U'\U00010000', U'\U0001f600', U'\U0002000b', U'\U0010ffff', kNotCp932}) {
    EXPECT_EQ(-1, cp932_form(c)) << std::hex << unsigned(c);
  }
}

// Unfaithful characters become the placeholder, the first of them is named; bytes that
// are no form come back as U+FFFD and make the decoding fail.
TEST(Cp932, ConvertsTextsBothWays) {
  std::string out = "x";
  EXPECT_EQ(U'\u00a5', append_cp932(U"a\u00a5b\u301c\U0001f600\xd800" + std::u32string(1, 0), out));
  EXPECT_EQ(hex_bytes("xa" + std::string(kPlaceholder) + "b" + kPlaceholder + kPlaceholder +
                      kPlaceholder + std::string(1, '\0')),
            hex_bytes(out));
  const std::string japanese = cp932("日本語ｱ\\~");
  std::u32string text = U"<";
  EXPECT_TRUE(append_unicode(japanese.data(), japanese.size(), text));
  EXPECT_EQ(U"<日本語ｱ\\~", text);
  text.clear();
  EXPECT_FALSE(append_unicode("a\x80\xfe\x82", 4, text))
      << "0x80, a byte past the lead bytes, and a lead byte at the end";
  EXPECT_EQ(U"a\ufffd\ufffd\ufffd", text);
}

}  // namespace

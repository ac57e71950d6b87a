// The string operations: results, and which strings each one releases and adds, on the
// empty-result paths too.
#include <clocale>

#include "tests/support/runtime_support.h"

namespace {

using OperationsTest = RuntimeTest;

struct CutCase {
  std::string text;
  int32_t a, b;  // start and count for str_mid, first and last for str_range
  std::string expected;
};

// Runs a consuming cut and checks that the argument is gone and the result is the only
// string added.
template <typename Cut>
void check_cuts(const char* name, Cut cut, const std::vector<CutCase>& cases) {
  for (const CutCase& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << name << "('" << hex_bytes(c.text) << "', " << c.a << ", " << c.b << ")");
    RtString s = make_string(c.text);
    RtString r = cut(s, c.a, c.b);
    EXPECT_EQ(hex_bytes(c.expected), hex_bytes(bytes_of(r)));
    EXPECT_EQ('\0', r[str_length(r)]) << "a NUL follows the last character";
    EXPECT_FALSE(is_registered(s)) << "the argument is released";
    EXPECT_TRUE(is_registered(r));
    EXPECT_EQ(live_strings().back(), r);
    str_free(r);
  }
}

TEST_F(OperationsTest, MidCutsByStartAndCount) {
  const std::string jp = cp932("あいう") + "ab";  // 82a0 82a2 82a4 61 62
  check_cuts("str_mid", str_mid,
             {{"abcdef", 2, 3, "bcd"},
              {"abcdef", 2, 0, "bcdef"},
              {"abcdef", 6, 0, "f"},
              {"abcdef", 5, 10, "ef"},
              {"abcdef", 1, INT32_MAX, "abcdef"},
              {"abcdef", 7, 1, ""},
              {"abcdef", 0, 3, ""},
              {"abcdef", -1, 3, ""},
              {"abcdef", INT32_MIN, 3, ""},
              {"abcdef", INT32_MAX, 0, ""},
              {"abcdef", 2, -1, ""},
              {"abcdef", 2, INT32_MIN, ""},
              {"", 1, 0, ""},
              {std::string("a\0b\0", 4), 2, 3, std::string("\0b\0", 3)},
              {jp, 2, 2, jp.substr(1, 2)},  // from a trail byte to a lead byte
              {jp, 3, 0, jp.substr(2)}});
}

TEST_F(OperationsTest, RangeCutsByFirstAndLast) {
  const std::string jp = cp932("漢字") + "x";
  check_cuts("str_range", str_range,
             {{"abcdef", 2, 4, "bcd"},
              {"abcdef", 4, 4, "d"},
              {"abcdef", 5, 9, "ef"},
              {"abcdef", 1, 6, "abcdef"},
              {"abcdef", 3, 2, ""},
              {"abcdef", 4, 3, ""},  // an empty selection turned into positions
              {"abcdef", 0, 2, ""},
              {"abcdef", INT32_MIN, INT32_MAX, ""},
              {"abcdef", INT32_MAX, INT32_MAX, ""},
              {"abcdef", INT32_MAX, INT32_MIN, ""},
              {"", 1, 1, ""},
              {jp, 2, 3, jp.substr(1, 2)},
              {jp, 4, 5, jp.substr(3)}});
}

TEST_F(OperationsTest, CopyAndConcatMoveEveryByte) {
  const std::string with_nuls("x\0y\0", 4);
  RtString original = make_string(with_nuls);
  RtString copy = str_copy(original);
  EXPECT_NE(original, copy);
  EXPECT_EQ(hex_bytes(with_nuls), hex_bytes(bytes_of(copy)));
  expect_live({}, {original, copy});
  str_free(copy);
  str_free(original);

  const std::pair<std::string, std::string> joins[] = {{"ab", "cd"},
                                                       {"", ""},
                                                       {"", "cd"},
                                                       {"ab", ""},
                                                       {with_nuls, with_nuls},
                                                       {cp932("開始"), cp932("終了")},
                                                       {std::string(70000, 'q'), "z"}};
  for (const auto& j : joins) {
    SCOPED_TRACE(hex_bytes(j.first) + " + " + hex_bytes(j.second));
    RtString left = make_string(j.first), right = make_string(j.second);
    RtString joined = str_concat(left, right);
    EXPECT_EQ(hex_bytes(j.first + j.second), hex_bytes(bytes_of(joined)));
    expect_live({}, {joined});
    str_free(joined);
  }
}

TEST_F(OperationsTest, BufferAndAddress) {
  for (int32_t n : {0, 5, -1, INT32_MIN}) {
    SCOPED_TRACE(n);
    RtString b = str_buffer(n);
    EXPECT_EQ(std::string(size_t(n < 0 ? 0 : n), '\0'), bytes_of(b));
    expect_live({}, {b});
    RtString variable = b;
    EXPECT_EQ(reinterpret_cast<intptr_t>(b), str_address(variable));
    EXPECT_EQ(b, variable);
    expect_live({}, {b});
    str_free(b);
  }
}

TEST_F(OperationsTest, WindowTextTakesTheReportedLength) {
  const std::string jp = cp932("タグ挿入") + "\r\nabc";
  struct Case {
    const char* name;
    std::string text;
    int32_t reported;
    std::string expected;
  };
  const Case cases[] = {
      {"no text", "", 0, ""},
      {"code page 932 text", jp, int32_t(jp.size()), jp},
      {"over-reporting window", "abc", 7, std::string("abc\0\0\0\0", 7)},
      {"under-reporting window", "abcdef", 3, "abc"},
      {"negative length", "abc", -4, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow window(c.text, c.reported);
    RtString text = str_window_text(window.handle());
    EXPECT_EQ(hex_bytes(c.expected), hex_bytes(bytes_of(text)));
    expect_live({}, {text});
    str_free(text);
  }
}

TEST_F(OperationsTest, ComparisonsReleaseTheirOperands) {
  struct Case {
    std::string left, right;
    int32_t expected;
  };
  const Case cases[] = {
      {"abc", "abc", 2}, {"abc", "abd", 1}, {"b", "a", 3},
      {"", "", 2},       {"ab", "abc", 1},  {std::string("a\0b", 3), std::string("a\0c", 3), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.left + " vs " + c.right);
    RtString left = make_string(c.left), right = make_string(c.right);
    EXPECT_EQ(c.expected, str_compare(left, right));
    expect_live({}, {});

    left = make_string(c.left);
    right = make_string(c.right);
    EXPECT_EQ(c.expected, str_compare_keep(left, right));
    expect_live({}, {left});
    EXPECT_EQ(c.left, bytes_of(left));
    str_free(left);
  }
}

#ifdef _WIN32
// A 64-bit window's length beyond the 32-bit range is taken as the nearest end of it; a
// length below zero gives the empty string.
TEST_F(OperationsTest, WindowLengthsBeyondThirtyTwoBits) {
  if (sizeof(LRESULT) < 8) GTEST_SKIP() << "a 32-bit window's lengths are 32-bit";
  TestWindow huge("abc", int64_t{1} << 33), below("abc", -(int64_t{1} << 33));
  EXPECT_EQ(INT32_MAX, plat_window_text_length(huge.handle()));
  EXPECT_EQ(INT32_MIN, plat_window_text_length(below.handle()));
  RtString text = str_window_text(below.handle());
  EXPECT_EQ(0, str_length(text));
  str_free(text);
}
#else
// A window answers the text query with at most size - 1 bytes and a NUL, and a query with
// no room leaves the buffer alone.
TEST_F(OperationsTest, WindowTextFitsTheBuffer) {
  TestWindow window(cp932("aあb"));
  char buffer[8] = "xxxxxxx";
  plat_window_text(window.handle(), buffer, 0);
  EXPECT_EQ("xxxxxxx", std::string(buffer));
  plat_window_text(window.handle(), buffer, 3);
  EXPECT_EQ(hex_bytes(cp932("a") + std::string(1, '\x82')), hex_bytes(buffer));
  plat_window_text(window.handle(), buffer, 8);
  EXPECT_EQ(hex_bytes(cp932("aあb")), hex_bytes(buffer));
}

// Text that is not code page 932, on either side, cannot be converted for the locale's
// comparison.
TEST_F(OperationsTest, ComparisonOfInvalidTextFails) {
  for (const auto& [left, right] : {std::pair{"\x82", "a"}, std::pair{"a", "\x82"}}) {
    EXPECT_EQ(0, str_compare(make_string(left), make_string(right))) << hex_bytes(left);
    expect_live({}, {});
  }
}

TEST_F(OperationsTest, ComparisonFollowsTheProcessLocale) {
  const char* saved = std::setlocale(LC_COLLATE, nullptr);
  std::string restore = saved ? saved : "C";
  if (!std::setlocale(LC_COLLATE, "ja_JP.UTF-8")) GTEST_SKIP() << "ja_JP.UTF-8 is not generated";
  // Fullwidth ａ (8281) and あ (82a0): the C locale orders the converted characters by
  // code point (U+3042 before U+FF41); the Japanese collation puts the Latin letter first.
  // A comparison of the raw bytes would give 1 under both.
  const std::string latin = cp932("ａ"), kana = cp932("あ");
  RtString left = make_string(latin), right = make_string(kana);
  EXPECT_EQ(1, str_compare(left, right));
  std::setlocale(LC_COLLATE, "C");
  left = make_string(latin);
  right = make_string(kana);
  EXPECT_EQ(3, str_compare(left, right));
  std::setlocale(LC_COLLATE, restore.c_str());
}

#endif

using OperationsDeathTest = RuntimeTest;

TEST_F(OperationsDeathTest, ConcatBeyondTheLengthRangeStops) {
  if (sizeof(void*) < 8) GTEST_SKIP() << "a 32-bit process has no room for a 2 GiB string";
  EXPECT_EXIT(
      {
        RtString big = str_new(INT32_MAX - 8);
        str_concat(big, str_new(9));
      },
      ::testing::ExitedWithCode(kRtFatalExitCode), "str_concat: .*longer than 2147483647");
}

#ifndef _WIN32
// A text too long for a string's length is no window: the process stops before reading it.
TEST_F(OperationsDeathTest, TextWindowBeyondTheLengthRangeStops) {
  const char text[] = "abc";
  const RtTextWindow window = plat_text_window(text, 3);
  EXPECT_EQ(3, plat_window_text_length(&window));
  EXPECT_EXIT(plat_text_window(text, size_t{INT32_MAX} + 1),
              ::testing::ExitedWithCode(kRtFatalExitCode), "longer than 2147483647 bytes");
}
#endif

}  // namespace

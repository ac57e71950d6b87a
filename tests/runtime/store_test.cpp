// The string store: block layout, registry order and sizes, releases of what the registry
// does not hold, and the orderly stops.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "tests/support/runtime_support.h"

namespace {

using StoreTest = RuntimeTest;
// Tests that run in a child process: a fresh store, or one that stops the process.
using StoreDeathTest = RuntimeTest;

std::string report_bytes() { return cp932("未知の文字列が解放されようとしました。") + "/return"; }

size_t entries_size() { return plat_heap_size(rt_registry().entries); }

// Runs check in a child process on a freshly initialised store; the child exits 0 when
// every condition holds and prints what it found otherwise.
#define EXPECT_IN_FRESH_STORE(condition_block) \
  EXPECT_EXIT(                                 \
      {                                        \
        rt_init();                             \
        std::string failures;                  \
        condition_block;                       \
        std::cerr << failures;                 \
        plat_flush_coverage();                 \
        std::_Exit(failures.empty() ? 0 : 1);  \
      },                                       \
      ::testing::ExitedWithCode(0), "")

#define CHILD_CHECK_EQ(expected, actual)                                                   \
  if ((expected) != (actual))                                                              \
  failures += std::string(#actual) + ": expected " + std::to_string(expected) + ", got " + \
              std::to_string(actual) + "\n"

TEST_F(StoreDeathTest, FreshStoreHasOneByteEntriesAndGrowsBySlot) {
  EXPECT_IN_FRESH_STORE({
    CHILD_CHECK_EQ(0, rt_registry().count);
    CHILD_CHECK_EQ(1, rt_registry().initialised);
    CHILD_CHECK_EQ(1u, entries_size());
    RtString a = str_new(0);
    CHILD_CHECK_EQ(sizeof(RtString), entries_size());
    RtString b = str_new(2);
    CHILD_CHECK_EQ(2 * sizeof(RtString), entries_size());
    CHILD_CHECK_EQ(2, rt_registry().count);
    CHILD_CHECK_EQ(true, rt_registry().entries[0] == a && rt_registry().entries[1] == b);
  });
}

TEST_F(StoreTest, BlockHoldsLittleEndianLengthZeroedCharactersAndNul) {
  for (int32_t n : {0, 1, 3, 255, 256, 70000}) {
    SCOPED_TRACE(n);
    RtString s = str_new(n);
    const unsigned char* block = reinterpret_cast<const unsigned char*>(s) - 4;
    uint32_t prefix = block[0] | block[1] << 8 | block[2] << 16 | uint32_t(block[3]) << 24;
    EXPECT_EQ(uint32_t(n), prefix);
    EXPECT_EQ(n, str_length(s));
    EXPECT_EQ(size_t(n) + 5, plat_heap_size(block));
    EXPECT_EQ(std::string(size_t(n) + 1, '\0'), std::string(s, size_t(n) + 1));
    EXPECT_EQ(rt_registry().entries[rt_registry().count - 1], s) << "newest string goes last";
    str_free(s);
  }
}

TEST_F(StoreTest, ReleasesKeepTheOrderOfTheOthers) {
  struct Case {
    const char* name;
    std::vector<int> release;  // indices into A, B, C, D
    std::vector<int> remain;
  };
  const Case cases[] = {
      {"front", {0}, {1, 2, 3}},
      {"middle", {1}, {0, 2, 3}},
      {"end", {3}, {0, 1, 2}},
      {"front and end", {0, 3}, {1, 2}},
      {"all, newest first", {3, 2, 1, 0}, {}},
      {"all, oldest first", {0, 1, 2, 3}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string texts[4] = {"A", "BB", std::string("C\0c", 3), ""};
    RtString made[4];
    for (int i = 0; i < 4; ++i) made[i] = make_string(texts[i]);
    for (int i : c.release) str_free(made[i]);
    std::vector<RtString> remain;
    for (int i : c.remain) remain.push_back(made[i]);
    expect_live({}, remain);
    for (int i : c.remain) EXPECT_EQ(texts[i], bytes_of(made[i]));
    for (RtString s : remain) str_free(s);
  }
}

TEST_F(StoreTest, EntriesBlockFitsTheCountAtEveryCreationOnly) {
  RtString a = str_new(1), b = str_new(1), c = str_new(1);
  size_t grown = entries_size();
  EXPECT_EQ(size_t(rt_registry().count) * sizeof(RtString), grown);
  str_free(b);
  str_free(a);
  EXPECT_EQ(grown, entries_size()) << "a release keeps the entries block's size";
  RtString d = str_new(0);
  EXPECT_EQ(size_t(rt_registry().count) * sizeof(RtString), entries_size())
      << "the first creation after releases shrinks the block to fit";
  expect_live({}, {c, d});
  str_free(c);
  str_free(d);
}

TEST_F(StoreTest, ReleaseOfWhatTheRegistryDoesNotHold) {
  const std::string report = report_bytes();
  ASSERT_EQ(45u, report.size());
  char foreign[16] = {};
  enum Handle { kNull, kNeverHandedOut, kReleasedBefore };
  struct Case {
    const char* name;
    Handle handle;
    std::string expected_report;
  };
  const Case cases[] = {
      {"null", kNull, ""},
      {"never handed out", kNeverHandedOut, report},
      {"released before", kReleasedBefore, report},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RtString kept = make_string("kept");
    RtString handle = c.handle == kNull             ? nullptr
                      : c.handle == kNeverHandedOut ? foreign + 4
                                                    : str_new(3);
    if (c.handle == kReleasedBefore) str_free(handle);  // no creation until the second release
    std::vector<RtString> live = live_strings();
    DebugChannelCapture channel;
    str_free(handle);
    std::string sent = channel.take();
    EXPECT_EQ(hex_bytes(c.expected_report), hex_bytes(sent)) << "sent exactly once, as these bytes";
    EXPECT_EQ(live, live_strings());
    EXPECT_EQ("kept", bytes_of(kept));
    str_free(kept);
  }
  EXPECT_EQ(std::string(16, '\0'), std::string(foreign, 16)) << "nothing was written";
}

TEST_F(StoreDeathTest, StopsInOrderWhenItCannotGoOn) {
  EXPECT_EXIT(str_new(-1), ::testing::ExitedWithCode(kRtFatalExitCode), "str_new: negative length");
  EXPECT_EXIT(
      {
        plat_heap_refuse_after(0);
        rt_init();
      },
      ::testing::ExitedWithCode(kRtFatalExitCode),
      "rt_init: the heap cannot supply the string registry");
  EXPECT_EXIT(
      {
        plat_heap_refuse_after(0);
        str_new(8);
      },
      ::testing::ExitedWithCode(kRtFatalExitCode), "str_new: out of memory");
  EXPECT_EXIT(
      {
        plat_heap_refuse_after(1);  // the block is allocated, the registry cannot grow
        str_new(8);
      },
      ::testing::ExitedWithCode(kRtFatalExitCode), "str_new: out of memory.*registry");
}

#ifdef _WIN32
// A program started without a console (Morvane.exe from Explorer) has no standard error:
// the stop goes on all the same.
TEST_F(StoreDeathTest, StopsWithoutAConsole) {
  for (HANDLE none : {HANDLE{nullptr}, INVALID_HANDLE_VALUE}) {
    EXPECT_EXIT(
        {
          SetStdHandle(STD_ERROR_HANDLE, none);
          plat_fatal("no console");
        },
        ::testing::ExitedWithCode(kRtFatalExitCode), "");
  }
}
#endif

// A front-end's notice that meets a second stop while it is showing the first.
void notice_that_stops_again(const char* message) {
  std::fprintf(stderr, "notice [%s]\n", message);
  std::fflush(stderr);
  str_new(-1);
}

// The installed notice shows the stop's message once, after the message has gone to the
// debug channel; a stop from inside it ends the process at once, with the same code and
// not a word more.
TEST_F(StoreDeathTest, ShowsTheStopThroughTheNoticeOnce) {
  EXPECT_EXIT(
      {
        plat_set_stop_notice(notice_that_stops_again);
        plat_heap_refuse_after(0);
        str_new(8);
      },
      ::testing::ExitedWithCode(kRtFatalExitCode),
      "^str_new: out of memory.*\\s*notice \\[str_new: out of memory.*\\]\\s*$");
}

}  // namespace

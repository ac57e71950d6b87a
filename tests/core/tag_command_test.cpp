// The command's one order, as every front-end runs it: which string is made, read and
// released when, and what it asks of the front-end's controls; and a stop in a click.
#include "app/core/tag_command.h"

#include <cstdio>

#include "tests/support/runtime_support.h"
#include "tests/support/trace.h"

namespace {

// A click on "abcdef" with "cd" selected and the tags "[" and "]", over test windows that
// count bytes, as every edit but Wine's does, and that trace what the command asks.
struct TracedControls final : TagControls {
  RtWindow start_tag_field() override { return traced("start_tag_field", start_tag.handle()); }
  RtWindow end_tag_field() override { return traced("end_tag_field", end_tag.handle()); }
  void get_selection(int32_t* start, int32_t* end) override {
    trace("get_selection");
    *start = 2;
    *end = 4;
  }
  RtWindow text_edit() override { return traced("text_edit", text.handle()); }
  void replace_selection(RtString replacement) override {
    trace("replace_selection " + name_of(reinterpret_cast<uintptr_t>(replacement)));
    replaced = bytes_of(replacement);
  }
  static RtWindow traced(const char* call, RtWindow window) {
    trace(call);
    return window;
  }
  TestWindow start_tag{"["}, end_tag{"]"}, text{"abcdef"};
  std::string replaced;
};

using TagCommandTest = RuntimeTest;

TEST_F(TagCommandTest, MakesReadsAndReleasesItsStringsInOrder) {
  TracedControls click;
  start_trace();
  insert_tags(click);
  std::vector<std::string> expected = {
      // The working strings: start tag, end tag, text, replacement.
      "new(0) #1", "new(0) #2", "new(0) #3", "new(0) #4",
      // Each read: the buffer, its copy, the buffer released, then the empty string.
      "start_tag_field", "new(1) #5", "new(1) #6", "free #5", "free #1",  //
      "end_tag_field", "new(1) #7", "new(1) #8", "free #7", "free #2",    //
      "get_selection", "text_edit", "new(6) #9", "new(6) #10", "free #9", "free #3"};
  expected.insert(expected.end(), kWrapSelectionTrace.begin(), kWrapSelectionTrace.end());
  expected.insert(expected.end(), {"free #4", "replace_selection #21", "free #6", "free #8",
                                   "free #10", "free #21"});
  expect_trace(expected, take_trace());
  EXPECT_EQ("[cd]", click.replaced);
}

// A stop in a click, whatever stops it: its notice finds the registry's lock free, and a
// click that the notice runs, as a modal loop would, stops at its first string, changes
// nothing and adds no second reason to the report.
TracedControls* g_click;

void notice_that_clicks(const char*) {
  std::fprintf(stderr, "the lock is %s\n", registry_lock_is_free() ? "free" : "held");
  insert_tags(*g_click);
  std::fprintf(stderr, "the click in the notice made %s\n", g_click->replaced.c_str());
}

using TagCommandDeathTest = RuntimeTest;

TEST_F(TagCommandDeathTest, AStopLeavesTheLockAndChangesNothingMore) {
  const std::pair<const char*, void (*)()> stops[] = {
      {"out of memory, the heap cannot grow the string registry",
       [] { plat_heap_refuse_after(1); }},
      {"the string registry is full",
       [] { const_cast<StringRegistry&>(rt_registry()).count = INT32_MAX; }},
  };
  for (const auto& [message, cause] : stops) {
    EXPECT_EXIT(
        {
          TracedControls click;
          g_click = &click;
          plat_set_stop_notice(notice_that_clicks);
          cause();
          insert_tags(click);
        },
        ::testing::ExitedWithCode(kRtFatalExitCode),
        std::string("^str_new: ") + message + "\\s*the lock is free\\s*$");
  }
}

}  // namespace

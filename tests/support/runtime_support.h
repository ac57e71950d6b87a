// Shared fixtures of the runtime tests: building and reading runtime strings, the
// registry's live strings, code page 932 texts, the debug channel and test windows.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/strings/strings.h"

// A new registered string holding exactly these bytes (NULs included).
RtString make_string(const std::string& bytes);
// The characters of s, as many as its length prefix says.
std::string bytes_of(RtString s);
// The handles in registry slots 0 to count - 1.
std::vector<RtString> live_strings();
bool is_registered(RtString s);
// The text converted from UTF-8 to code page 932.
std::string cp932(const std::string& utf8);
// "6162 8a4a" style rendering for failure messages.
std::string hex_bytes(const std::string& bytes);

// Collects what the runtime sends to the debug channel between construction and take().
class DebugChannelCapture {
 public:
  DebugChannelCapture();
  ~DebugChannelCapture();
  // Everything sent since construction, the messages one after the other, each without
  // its terminating NUL. Call once.
  std::string take();

 private:
  bool taken_ = false;
};

// A window whose text queries answer with text, reporting reported_length as its length
// (a Win32 window reports it as the LRESULT it is; elsewhere it is cut to 32 bits).
class TestWindow {
 public:
  TestWindow(const std::string& text, int64_t reported_length);
  explicit TestWindow(const std::string& text)
      : TestWindow(text, static_cast<int32_t>(text.size())) {}
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  RtWindow handle() const;
  struct Impl;

 private:
  Impl* impl_;
};

// On Windows, has every block that the program frees or resizes validated by the heap
// first, and a free or resize that the heap refuses counted as a fault: once freed, a
// damaged block can no longer be found. With the heap's checks of tails and freed blocks
// on, as heap-check.sh runs the tests, an overrun is found so. Elsewhere it does nothing:
// the sanitizer and valgrind runs watch the heap there. Call once, before rt_init.
void watch_heap();

// Expects the process heap to hold no damaged block, and no fault seen since watch_heap.
void expect_heap_intact();

// Whether another thread can take the string registry's lock at this moment; it leaves it
// again at once.
bool registry_lock_is_free();

// Every test leaves the registry as it found it: what a test makes, it releases, and it
// releases nothing that it does not own; and the heap intact.
class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override { before_ = live_strings(); }
  void TearDown() override {
    EXPECT_EQ(live_strings(), before_) << "the test changed the registry";
    expect_heap_intact();
  }
  // Expects the registry to hold the strings it held at the start of the test, without
  // `released`, followed by `added`, in this order.
  void expect_live(const std::vector<RtString>& released, const std::vector<RtString>& added) const;
  std::vector<RtString> before_;
};

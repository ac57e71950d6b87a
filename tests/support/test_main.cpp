// Test entry point: the string store is initialised once per process, before any test,
// as the program does at start-up, with the heap watched.
#include <gtest/gtest.h>

#include "runtime/strings/strings.h"
#include "tests/support/runtime_support.h"

int main(int argc, char** argv) {
  watch_heap();
  rt_init();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// Test entry point: the string store is initialised once per process, before any test,
// as the program does at start-up.
#include <gtest/gtest.h>

#include "runtime/strings/strings.h"

int main(int argc, char** argv) {
  rt_init();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

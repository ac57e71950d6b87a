// How the fuzz targets report a wrong result: the message goes to the standard error that
// the process started with, and the process aborts, so that libFuzzer saves the input.
#pragma once

#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

inline int g_fuzz_report_fd = 2;

// Keeps a copy of standard error as it is now for the reports of the target and of the
// sanitizers, so that they stay visible when standard error is redirected later, by the
// target or by libFuzzer's -close_fd_mask=2. Call from LLVMFuzzerInitialize.
inline void fuzz_keep_report_channel() {
  int copy = dup(2);
  if (copy < 0) return;
  g_fuzz_report_fd = copy;
  __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<intptr_t>(copy)));
}

[[noreturn]] inline void fuzz_fail(const std::string& message) {
  std::string line = "FUZZ CHECK FAILED: " + message + "\n";
  if (write(g_fuzz_report_fd, line.data(), line.size()) < 0) {
    // Nowhere left to report to; the abort still marks the input.
  }
  std::abort();
}

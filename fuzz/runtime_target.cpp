#include "fuzz/runtime_target.h"

#include <cstddef>
#include <cstdint>

#include "runtime/strings/strings.h"

namespace {
InputRecord* g_record = nullptr;
}  // namespace

InputRecord& fuzz_record() { return *g_record; }

// Every input allocates far less than this, so a released block stays in quarantine, and a
// use after its release is caught, for the whole input; the default 256 MiB has the
// allocator touch fresh pages all the time and slows the target down severalfold.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
  rt_init();
  fuzz_keep_report_channel();
  static InputRecord record((*argv)[0]);
  g_record = &record;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  g_record->begin(data, size);
  FuzzInput in(data, size);
  fuzz_one_input(in);
  g_record->end();
  return 0;
}

// libFuzzer target for the numeric library: every routine on arbitrary bit patterns taken
// from the input (NaNs, infinities, subnormals and both zeros included), each result
// against its stepwise reference. A call that does not end shows as a libFuzzer timeout.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_report.h"
#include "tests/numeric/num_reference.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_keep_report_channel();
  return 0;
}

// The input is one 20-byte record, zeros where it is shorter: x and y as doubles, n as a
// 32-bit integer.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  double x = in.take<double>();
  double y = in.take<double>();
  int32_t n = in.take<int32_t>();
  std::string difference = difference_from_references(x, y, n);
  if (!difference.empty()) fuzz_fail(difference);
  return 0;
}

// The string runtime's creations and releases for the trace, where there is no Win32 heap
// to watch: the linker sends the runtime's calls of str_new and str_free here
// (--wrap, tests/core/CMakeLists.txt), and these on to the real ones.
#include "runtime/strings/strings.h"
#include "tests/support/trace.h"

RtString real_str_new(int32_t n) __asm__("__real__Z7str_newi");
void real_str_free(RtString s) __asm__("__real__Z8str_freePc");
RtString traced_str_new(int32_t n) __asm__("__wrap__Z7str_newi");
void traced_str_free(RtString s) __asm__("__wrap__Z8str_freePc");

RtString traced_str_new(int32_t n) {
  RtString s = real_str_new(n);
  trace_creation(s, n);
  return s;
}

void traced_str_free(RtString s) {
  trace_release(s);
  real_str_free(s);
}

// The counts of a build that measures coverage (MORVANE_COVERAGE, with gcc's --coverage),
// for processes that end without the C library's exit: death tests' children, the stops,
// the Windows program's ExitProcess.
#include "runtime/strings/platform.h"

#ifdef MORVANE_COVERAGE
extern "C" void __gcov_dump();
void plat_flush_coverage() { __gcov_dump(); }
#else
void plat_flush_coverage() {}
#endif

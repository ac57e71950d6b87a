// The orderly stop of the process when the runtime cannot go on.
#include "runtime/strings/platform.h"

namespace {

RtStopNotice g_stop_notice = nullptr;
bool g_stopping = false;

}  // namespace

RtStopNotice plat_set_stop_notice(RtStopNotice notice) {
  RtStopNotice previous = g_stop_notice;
  g_stop_notice = notice;
  return previous;
}

// The notice may run a message loop of its own, which may dispatch a command: from the stop
// on the heap refuses every request, so that such a command stops at its first string and
// changes nothing (docs/deliberate.md, "A stop leaves the lock and closes the heap"). A stop
// that comes from inside the notice only ends the process: the report names the first cause
// alone, and the notice is not shown again.
void plat_fatal(const char* message) {
  if (!g_stopping) {
    g_stopping = true;
    plat_report_stop(message);
    plat_heap_refuse_after(0);
    if (g_stop_notice) g_stop_notice(message);
  }
  plat_end_process(kRtFatalExitCode);
}

// The debug channel where it is standard error: every byte of a message gets there, also
// when a signal interrupts the writing, and a channel that is gone costs nothing.
#include <fcntl.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <thread>

#include "tests/support/runtime_support.h"

namespace {

void on_alarm(int) {}

// A megabyte into a pipe that its reader starts to drain only once the writer has been
// waiting on the full pipe for a while, then slowly, while a timer's signal, without
// SA_RESTART, interrupts the blocked writes over and over: some return part of their
// bytes, some none. Returns 0 when all of the message came.
int write_through_interruptions() {
  int ends[2];
  if (pipe(ends) != 0 || dup2(ends[1], 2) < 0) return 2;
  struct sigaction action = {};
  action.sa_handler = on_alarm;
  sigaction(SIGALRM, &action, nullptr);
  const itimerval every_millisecond = {{0, 1000}, {0, 1000}};
  setitimer(ITIMER_REAL, &every_millisecond, nullptr);
  const std::string message(1 << 20, 'm');
  size_t received = 0;
  std::thread reader([&] {
    usleep(20000);
    char chunk[4096];
    for (ssize_t n; (n = read(ends[0], chunk, sizeof chunk)) != 0;) {
      if (n > 0) received += static_cast<size_t>(n);
      usleep(50);
    }
  });
  plat_debug_output(message.c_str());
  close(2);
  close(ends[1]);
  reader.join();
  return received == message.size() ? 0 : 1;
}

TEST(DebugChannelDeathTest, WritesEveryByteThroughInterruptions) {
  EXPECT_EXIT(
      {
        int code = write_through_interruptions();
        plat_flush_coverage();
        std::_Exit(code);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(DebugChannelDeathTest, GoesOnWhenTheChannelIsClosed) {
  EXPECT_EXIT(
      {
        close(2);
        plat_debug_output("nobody reads this");
        plat_flush_coverage();
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace

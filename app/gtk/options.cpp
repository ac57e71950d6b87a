#include "app/gtk/options.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kUsage[] =
    "Usage: morvane [--version | --help]\n"
    "Opens the Morvane window: select part of the text and press タグ挿入 to wrap it in the\n"
    "start tag and the end tag. The text may hold any character.\n"
    "\n"
    "  --version  print the version and exit\n"
    "  --help     print this help and exit\n";

bool is_option(const char* argument) {
  return std::strcmp(argument, "--version") == 0 || std::strcmp(argument, "--help") == 0;
}

}  // namespace

// Every argument is checked before any is acted on, so that a wrong one never passes
// unnoticed behind a good one.
int run_command_line(int argc, const char* const* argv) {
  if (argc < 2) return -1;
  for (int i = 1; i < argc; ++i) {
    if (!is_option(argv[i])) {
      // Standard error is where the program would say that it cannot write there.
      (void)std::fprintf(
          stderr, "morvane: unknown argument '%s' (morvane --help lists the options)\n", argv[i]);
      return kUsageExitCode;
    }
  }
  // What could not be written shows in the stream's error or in its flush.
  if (std::strcmp(argv[1], "--help") == 0) {
    (void)std::fputs(kUsage, stdout);
  } else {
    (void)std::printf("morvane %s\n", MORVANE_VERSION);
  }
  return (std::fflush(stdout) | std::ferror(stdout)) == 0 ? 0 : kWriteFailedExitCode;
}

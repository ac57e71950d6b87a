// The command line of the GTK program: --version and --help, nothing else.
#pragma once

// Exit code for a command line that the program does not accept.
constexpr int kUsageExitCode = 2;
// Exit code when what an option asks for cannot be written (EX_IOERR of sysexits.h).
constexpr int kWriteFailedExitCode = 74;

// Reads the arguments after the program name, without opening any display. Returns -1
// when there are none, so that the program starts its window; otherwise prints what
// they ask for (the version or the usage, to standard output) and returns 0, or
// kWriteFailedExitCode when standard output does not take it; or names the first argument
// that is neither option on standard error and returns kUsageExitCode. The arguments are
// only read.
int run_command_line(int argc, const char* const* argv);

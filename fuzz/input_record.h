// Keeps, in two files, the input that a fuzz target is running and what the string
// runtime sends to its debug channel (standard error on this platform) while it runs. The
// target checks the release reports there instead of letting them flood the terminal.
// The files outlive the process: the runtime's orderly stop (exit code 70) ends it at
// once, past libFuzzer, and leaves its message and the input behind in them.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "fuzz/fuzz_report.h"

class InputRecord {
 public:
  // The files are path + ".last-input" and path + ".debug-channel".
  explicit InputRecord(const std::string& path)
      : input_(open_file(path + ".last-input", 0)),
        channel_(open_file(path + ".debug-channel", O_APPEND)) {}

  // Records the input and sends standard error to the channel file, emptied.
  void begin(const uint8_t* data, size_t size) {
    if (restore_ < 0) restore_ = dup(2);  // standard error as libFuzzer has set it up
    if (pwrite(input_, data, size, 0) != static_cast<ssize_t>(size) ||
        ftruncate(input_, static_cast<off_t>(size)) != 0 || ftruncate(channel_, 0) != 0 ||
        restore_ < 0 || dup2(channel_, 2) < 0) {
      fuzz_fail("cannot record the input");
    }
    read_ = 0;
  }

  // What the debug channel received since begin() or the previous take().
  std::string take() {
    std::string out;
    char chunk[256];
    ssize_t n;
    while ((n = pread(channel_, chunk, sizeof chunk, read_)) > 0) {
      out.append(chunk, static_cast<size_t>(n));
      read_ += n;
    }
    return out;
  }

  // Puts standard error back.
  void end() {
    if (dup2(restore_, 2) < 0) fuzz_fail("cannot restore standard error");
  }

 private:
  static int open_file(const std::string& path, int flags) {
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | flags, 0644);
    if (fd < 0) fuzz_fail("cannot open " + path);
    return fd;
  }

  int input_;
  int channel_;
  int restore_ = -1;
  off_t read_ = 0;
};

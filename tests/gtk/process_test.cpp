// morvane as a process of its own: its window found on the display by caption and process
// id, sent the close request that a window manager's close button sends
// (WM_DELETE_WINDOW), and the process ending with exit code 0.
#include <gtest/gtest.h>
// Xlib defines None, Bool and Status as macros, so it comes after GoogleTest.
#include <X11/Xlib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

extern char** environ;

namespace {

// The window that xdotool finds within 30 seconds; 0 when there is none.
Window find_window(pid_t pid) {
  std::string command = "timeout 30 xdotool search --sync --all --pid " + std::to_string(pid) +
                        " --name '^Morvane$' 2>/dev/null";
  FILE* out = popen(command.c_str(), "r");
  unsigned long window = 0;
  if (out && std::fscanf(out, "%lu", &window) != 1) window = 0;
  if (out) pclose(out);
  return window;
}

void send_close_request(Display* display, Window window) {
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

TEST(MorvaneProcess, OpensAndClosesWithExitCodeZero) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(nullptr, display) << "no display: DISPLAY is not set or cannot be opened";
  char program[] = MORVANE_PROGRAM;
  char* argv[] = {program, nullptr};
  pid_t pid = 0;
  ASSERT_EQ(0, posix_spawn(&pid, program, nullptr, nullptr, argv, environ)) << program;
  Window window = find_window(pid);
  EXPECT_NE(0u, window) << "no window captioned Morvane of process " << pid;
  if (window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    EXPECT_EQ("408x360",
              std::to_string(attributes.width) + "x" + std::to_string(attributes.height));
    send_close_request(display, window);
  }
  int status = -1;
  for (int i = 0; i < 300 && waitpid(pid, &status, WNOHANG) != pid; ++i) usleep(100000);
  if (!WIFEXITED(status)) kill(pid, SIGKILL);
  ASSERT_TRUE(WIFEXITED(status)) << "the process did not end by itself";
  EXPECT_EQ(0, WEXITSTATUS(status));
  XCloseDisplay(display);
}

}  // namespace

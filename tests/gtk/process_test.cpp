// morvane as a process of its own: its window found on the display by caption and process
// id, sent the close request of the window manager (WM_DELETE_WINDOW, as the close button
// sends it), and the process ending with exit code 0.
#include <gtest/gtest.h>
// Xlib defines None, Bool and Status as macros, so it comes after GoogleTest.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>

extern char** environ;

namespace {

long pid_of(Display* display, Window window) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  long pid = 0;
  if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False,
                         XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
      data && count == 1 && format == 32) {
    pid = *reinterpret_cast<long*>(data);
  }
  if (data) XFree(data);
  return pid;
}

// Depth first, so that a window inside a window manager's frame is found too.
Window find_window(Display* display, Window window, pid_t pid) {
  char* name = nullptr;
  bool named = XFetchName(display, window, &name) && std::strcmp(name, "Morvane") == 0;
  if (name) XFree(name);
  if (named && pid_of(display, window) == pid) return window;
  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  Window found = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count && !found; ++i)
      found = find_window(display, children[i], pid);
  }
  if (children) XFree(children);
  return found;
}

void send_close_request(Display* display, Window window) {
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

// The exit status after at most 30 seconds; -1 (and the process killed) when it runs on.
int wait_for_exit(pid_t pid) {
  for (int i = 0; i < 300; ++i) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return status;
    usleep(100000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1;
}

TEST(MorvaneProcess, OpensAndClosesWithExitCodeZero) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(nullptr, display) << "no display: DISPLAY is not set or cannot be opened";
  char program[] = MORVANE_PROGRAM;
  char* argv[] = {program, nullptr};
  pid_t pid = 0;
  ASSERT_EQ(0, posix_spawn(&pid, program, nullptr, nullptr, argv, environ)) << program;

  Window window = 0;
  for (int i = 0; i < 300 && !window; ++i) {
    window = find_window(display, DefaultRootWindow(display), pid);
    if (!window) usleep(100000);
  }
  EXPECT_NE(0u, window) << "no window captioned Morvane of process " << pid;
  if (window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    EXPECT_EQ(408, attributes.width);
    EXPECT_EQ(360, attributes.height);
    send_close_request(display, window);
  }
  int status = wait_for_exit(pid);
  ASSERT_TRUE(WIFEXITED(status)) << "the process did not end by itself (status " << status << ")";
  EXPECT_EQ(0, WEXITSTATUS(status));
  XCloseDisplay(display);
}

}  // namespace

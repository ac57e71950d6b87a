// morvane as a process of its own, on a session bus of the test's, as a desktop has one.
// On X11: its window found on the display by caption and process id, with the desktop's
// window class; a second start, which shows that window and ends; the close request that
// a window manager's close button sends (WM_DELETE_WINDOW), and the process ending with
// exit code 0. On Wayland, where no other client can see or close a window: its
// toplevel's title and app id read from its own protocol log. And its options, which open
// no display.
#include <gtest/gtest.h>

#include "app/gtk/app_identity.h"
// Xlib defines None, Bool and Status as macros, so it comes after GoogleTest and GTK.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <glib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

bool on_wayland() { return g_strcmp0(std::getenv("GDK_BACKEND"), "wayland") == 0; }

// A session bus of its own (dbus-daemon), for the programs that a test starts: the
// application takes its id there, and a second start hands its activation to the first.
class SessionBus {
 public:
  SessionBus() {
    const char* argv[] = {"dbus-daemon", "--session", "--nofork", "--print-address=1", nullptr};
    const auto flags = GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_STDERR_TO_DEV_NULL);
    int out = -1;
    if (!g_spawn_async_with_pipes(nullptr, const_cast<char**>(argv), nullptr, flags, nullptr,
                                  nullptr, &pid_, nullptr, &out, nullptr, nullptr)) {
      return;
    }
    FILE* lines = fdopen(out, "r");
    char address[512] = {};
    if (lines && std::fgets(address, sizeof address, lines)) {
      environment_ = g_environ_setenv(g_get_environ(), "DBUS_SESSION_BUS_ADDRESS",
                                      g_strstrip(address), TRUE);
    }
    if (lines) std::fclose(lines);
  }
  ~SessionBus() {
    if (pid_ > 0) kill(pid_, SIGTERM), waitpid(pid_, nullptr, 0);
    g_strfreev(environment_);
  }
  // The test's environment with this bus as the session bus; null when it did not start.
  char** environment() const { return environment_; }

 private:
  GPid pid_ = 0;
  char** environment_ = nullptr;
};

// Starts the program with env; its process id, or 0.
pid_t start(char** env, const posix_spawn_file_actions_t* actions = nullptr) {
  char program[] = MORVANE_PROGRAM;
  char* argv[] = {program, nullptr};
  pid_t pid = 0;
  return posix_spawn(&pid, program, actions, nullptr, argv, env) == 0 ? pid : 0;
}

// The exit status of process pid within 30 seconds; -1 when it has not ended by then.
int wait_for_exit(pid_t pid) {
  int status = -1;
  for (int i = 0; i < 300 && waitpid(pid, &status, WNOHANG) != pid; ++i) usleep(100000);
  return status;
}

// The window that xdotool finds within 30 seconds; 0 when there is none.
Window find_window(pid_t pid) {
  std::string command = "timeout 30 xdotool search --sync --all --onlyvisible --pid " +
                        std::to_string(pid) + " --name '^Morvane$' 2>/dev/null";
  FILE* out = popen(command.c_str(), "r");
  char line[64] = {};
  if (out) {
    if (!std::fgets(line, sizeof line, out)) line[0] = '\0';
    pclose(out);
  }
  return std::strtoul(line, nullptr, 10);
}

// WM_CLASS as "instance, class".
std::string window_class(Display* display, Window window) {
  XClassHint hint = {};
  if (!XGetClassHint(display, window, &hint)) return "none";
  std::string result = std::string(hint.res_name) + ", " + hint.res_class;
  XFree(hint.res_name);
  XFree(hint.res_class);
  return result;
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

// The number of windows captioned Morvane on the display.
int windows_named_morvane() {
  FILE* out = popen("xdotool search --all --onlyvisible --name '^Morvane$' 2>/dev/null", "r");
  int count = 0;
  char line[64];
  while (out && std::fgets(line, sizeof line, out)) ++count;
  if (out) pclose(out);
  return count;
}

TEST(MorvaneProcess, OpensAndClosesWithExitCodeZero) {
  if (on_wayland()) GTEST_SKIP() << "X11 only; MorvaneProcess.ShowsItsToplevelOnWayland";
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(nullptr, display) << "no display: DISPLAY is not set or cannot be opened";
  SessionBus bus;
  ASSERT_NE(nullptr, bus.environment()) << "dbus-daemon did not start";
  const pid_t pid = start(bus.environment());
  ASSERT_NE(0, pid) << MORVANE_PROGRAM;
  Window window = find_window(pid);
  EXPECT_NE(0u, window) << "no window captioned Morvane of process " << pid;
  if (window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    EXPECT_EQ("408x360",
              std::to_string(attributes.width) + "x" + std::to_string(attributes.height));
    EXPECT_EQ(std::string("Morvane, ") + kApplicationId, window_class(display, window));
    const int status = wait_for_exit(start(bus.environment()));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a second start: " << status;
    EXPECT_EQ(1, windows_named_morvane()) << "windows after a second start";
    send_close_request(display, window);
  }
  const int status = wait_for_exit(pid);
  if (!WIFEXITED(status)) kill(pid, SIGKILL);
  ASSERT_TRUE(WIFEXITED(status)) << "the process did not end by itself";
  EXPECT_EQ(0, WEXITSTATUS(status));
  XCloseDisplay(display);
}

// What the program's protocol log lacks of a shown toplevel: its title, the id as its
// last app id, and a buffer attached after the first configure; "" when nothing.
std::string missing_from(const std::string& log) {
  std::string missing;
  for (const char* request : {"-> xdg_toplevel@", ".set_title(\"Morvane\")"}) {
    if (log.find(request) == std::string::npos) missing += std::string(" ") + request;
  }
  const std::string app_id = std::string(".set_app_id(\"") + kApplicationId + "\")";
  const size_t last = log.rfind(".set_app_id(");
  if (last == std::string::npos || log.compare(last, app_id.size(), app_id))
    missing += " " + app_id;
  if (log.find(".attach(", log.find(".ack_configure(")) == std::string::npos)
    missing += " a buffer";
  return missing;
}

TEST(MorvaneProcess, ShowsItsToplevelOnWayland) {
  if (!on_wayland()) GTEST_SKIP() << "Wayland only; MorvaneProcess.OpensAndClosesWithExitCodeZero";
  SessionBus bus;
  ASSERT_NE(nullptr, bus.environment()) << "dbus-daemon did not start";
  char** env = g_environ_setenv(g_strdupv(bus.environment()), "WAYLAND_DEBUG", "1", TRUE);
  char log_path[] = "/tmp/morvane-wayland-log.XXXXXX";
  close(mkstemp(log_path));
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, log_path, O_WRONLY | O_TRUNC, 0);
  const pid_t pid = start(env, &actions);
  posix_spawn_file_actions_destroy(&actions);
  g_strfreev(env);
  ASSERT_NE(0, pid) << MORVANE_PROGRAM;
  std::string missing = "the log";
  for (int i = 0; i < 300 && !missing.empty(); ++i, usleep(100000)) {
    char* log = nullptr;
    if (g_file_get_contents(log_path, &log, nullptr, nullptr)) missing = missing_from(log);
    g_free(log);
  }
  EXPECT_EQ("", missing) << "the protocol log of process " << pid << " lacks";
  kill(pid, SIGTERM);
  int status = -1;
  waitpid(pid, &status, 0);
  unlink(log_path);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM)
      << "the program ended before it was ended: status " << status;
}

// The arguments as a shell splits them, and the first line of standard output.
struct CommandLine {
  const char* arguments;
  int exit_code;
  std::string out, err;
};

// The options never reach a display; with no option and no display to open, the program
// stops with 70 and says why.
TEST(MorvaneProcess, AnswersItsOptionsWithoutAWindow) {
  const std::string usage = "Usage: morvane [--version | --help]\n";
  auto unknown = [](const char* a) {
    return "morvane: unknown argument '" + std::string(a) +
           "' (morvane --help lists the options)\n";
  };
  const CommandLine cases[] = {
      {"--version", 0, std::string("morvane ") + MORVANE_VERSION + "\n", ""},
      {"--help", 0, usage, ""},
      {"--help --version", 0, usage, ""},
      {"-v", 2, "", unknown("-v")},
      {"--version text.txt", 2, "", unknown("text.txt")},
      {"''", 2, "", unknown("")},
      {"", 70, "", "Morvane: cannot open the display\n"},
  };
  char** env =
      g_environ_unsetenv(g_environ_unsetenv(g_get_environ(), "DISPLAY"), "WAYLAND_DISPLAY");
  for (const CommandLine& c : cases) {
    SCOPED_TRACE(std::string("morvane ") + c.arguments);
    char** argv = nullptr;
    std::string line = std::string("'") + MORVANE_PROGRAM + "' " + c.arguments;
    ASSERT_TRUE(g_shell_parse_argv(line.c_str(), nullptr, &argv, nullptr));
    char *out = nullptr, *err = nullptr;
    int status = -1;
    ASSERT_TRUE(g_spawn_sync(nullptr, argv, env, G_SPAWN_DEFAULT, nullptr, nullptr, &out, &err,
                             &status, nullptr));
    std::string all = out;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.exit_code) << "status " << status;
    EXPECT_EQ(c.out, all.substr(0, all.find('\n') + 1));
    EXPECT_EQ(c.err, err);
    g_strfreev(argv);
    g_free(out);
    g_free(err);
  }
  // What an option asks for and standard output does not take makes the command fail.
  for (const char* option : {"--version", "--help"}) {
    const std::string command =
        std::string("exec '") + MORVANE_PROGRAM + "' " + option + " >/dev/full";
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    int status = -1;
    ASSERT_TRUE(g_spawn_sync(nullptr, const_cast<char**>(argv), env, G_SPAWN_DEFAULT, nullptr,
                             nullptr, nullptr, nullptr, &status, nullptr));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 74) << option << ": status " << status;
  }
  g_strfreev(env);
}

}  // namespace

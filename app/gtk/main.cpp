// The program's entry: the command line first, which opens no display; with no argument,
// app_main opens the window.
#include "app/gtk/app_main.h"
#include "app/gtk/options.h"

int main(int argc, char** argv) {
  int exit_code = run_command_line(argc, argv);
  if (exit_code >= 0) return exit_code;
  app_main();
}

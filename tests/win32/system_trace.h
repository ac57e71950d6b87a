// The Windows program's calls to the system in the trace (tests/support/trace.h), with the
// arguments that matter, through the import hooks: the font, the brush and their
// deletion, the class records, the windows made and destroyed, the lookups of controls,
// the messages sent, the quit, the message loop's calls for the WM_CLOSE that ends a run
// and for its end, the end of the process; and the value that the main window procedure
// returns for each message it handles.
#pragma once

#include <string>
#include <vector>

// Installs the hooks, once per process, before the program registers its classes.
void hook_system_calls();

// start_trace with the program's procedures and windows named: "main_wnd_proc",
// "dlg_wnd_proc", "main" and "child <id>" for each control.
void start_system_trace();

// For a run of app_main in a process of its own: the first GetMessageA finds WM_CLOSE
// posted to the main window, and ExitProcess prints, before it ends the process, where
// the trace differs from expected, or "the trace is as expected".
void close_and_compare_at_exit(std::vector<std::string> expected);

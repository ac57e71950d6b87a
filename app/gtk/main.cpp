// The program's entry: everything happens in app_main, which reads no argument.
#include "app/gtk/startup.h"

int main() { app_main(); }

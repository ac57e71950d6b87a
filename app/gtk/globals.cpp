#include "app/gtk/globals.h"

GtkCssProvider* g_style;
GtkWidget* g_main_window;
bool g_quit_posted;

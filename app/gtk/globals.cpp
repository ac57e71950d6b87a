#include "app/gtk/globals.h"

GtkCssProvider* g_style;
GtkWidget* g_main_window;
GtkWidget* g_controls[kControlCount];
GtkWidget* g_message_line;

#include "app/gtk/style.h"

namespace {

// One monospaced font for the six controls: IPA Gothic, whose half-width characters are
// exactly half as wide as its full-width ones, or the system's monospaced font where it
// is missing. The tag fields give up the theme's minimum height, and the button some of
// its padding, to fit their places.
constexpr char kStyle[] =
    ".morvane-control { font-family: IPAGothic, monospace; font-size: 16px; }\n"
    "entry.morvane-control { min-height: 0; padding-top: 0; padding-bottom: 0; }\n"
    "button.morvane-control { padding-left: 4px; padding-right: 4px; }\n";

}  // namespace

void add_style(GdkDisplay* display) {
  GtkCssProvider* style = gtk_css_provider_new();
  gtk_css_provider_load_from_data(style, kStyle, -1);
  gtk_style_context_add_provider_for_display(display, GTK_STYLE_PROVIDER(style),
                                             GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(style);
}

#include "app/gtk/style.h"

#include "app/gtk/globals.h"

namespace {

// One monospaced font for the six controls: IPA Gothic, whose half-width characters are
// exactly half as wide as its full-width ones, or the system's monospaced font where it
// is missing. The tag fields give up the theme's minimum height, and the button some of
// its padding, to fit their places.
constexpr char kStyle[] =
    ".morvane-control { font-family: IPAGothic, monospace; font-size: 16px; }\n"
    "entry.morvane-control { min-height: 0; padding-top: 0; padding-bottom: 0; }\n"
    "button.morvane-control { padding-left: 4px; padding-right: 4px; }\n"
    ".morvane-message { font-size: 12px; }\n";

}  // namespace

void create_style() {
  g_style = gtk_css_provider_new();
  gtk_css_provider_load_from_data(g_style, kStyle, -1);
  gtk_style_context_add_provider_for_display(gdk_display_get_default(), GTK_STYLE_PROVIDER(g_style),
                                             GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

void release_style() {
  gtk_style_context_remove_provider_for_display(gdk_display_get_default(),
                                                GTK_STYLE_PROVIDER(g_style));
  g_object_unref(g_style);
  g_style = nullptr;
}

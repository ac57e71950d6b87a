#include "app/gtk/utf8.h"

#include <glib.h>

std::string utf8_of_cp932(const char* text) {
  gchar* utf8 = g_convert(text, -1, "UTF-8", "CP932", nullptr, nullptr, nullptr);
  std::string out = utf8 ? utf8 : "";
  g_free(utf8);
  return out;
}

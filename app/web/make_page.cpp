// make_page TEMPLATE PAGE STYLE: writes the web page PAGE from TEMPLATE, with the texts of
// the main window's layout (app/core/layout.h) in place of its @NAME@ markers, and the
// style sheet STYLE with the layout's places: the page's policy takes styles from its own
// files only.
// Built and run on the build machine by the web build; the layout's texts are code page
// 932, which the build machine's iconv turns into the page's UTF-8.
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "app/core/layout.h"

namespace {

// The web column of the layout: each control's element id, in the layout's order.
struct WebControl {
  int id;
  const char* element;
};

constexpr WebControl kWebControls[] = {
    {IDC_TEXT, "text"},           {IDC_INSERT, "insert"},         {IDC_START_TAG, "start-tag"},
    {IDC_END_TAG, "end-tag"},     {IDC_START_LABEL, "start-label"}, {IDC_END_LABEL, "end-label"},
};
static_assert(follows_layout(kWebControls), "the web column follows the layout's order");

// The UTF-8 form of a code page 932 text, escaped for HTML.
std::string html(const char* cp932) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string in = cp932, out(in.size() * 3 + 1, '\0');
  char *from = &in[0], *to = &out[0];
  size_t in_left = in.size(), out_left = out.size();
  if (cd == reinterpret_cast<iconv_t>(-1) ||
      iconv(cd, &from, &in_left, &to, &out_left) == static_cast<size_t>(-1)) {
    std::cerr << "make_page: cannot read a text of the layout as code page 932\n";
    std::exit(1);
  }
  iconv_close(cd);
  out.resize(out.size() - out_left);
  std::string escaped;
  for (char c : out) {
    escaped += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;"
                                                                           : std::string(1, c);
  }
  return escaped;
}

// The control's place at the window's default size; the growing control takes the room
// beyond it, and every other moves down by the extra height.
std::string place(const char* element, const ControlPlace& c) {
  const bool grows = c.id == kGrowingControl;
  std::ostringstream rule;
  rule << "    #" << element << " { left: " << c.x << "px; top: ";
  if (grows) {
    rule << c.y << "px; width: calc(" << c.width << "px + var(--extra-width)); height: calc("
         << c.height << "px + var(--extra-height)); }\n";
  } else {
    rule << "calc(" << c.y << "px + var(--extra-height)); width: " << c.width
         << "px; height: " << c.height << "px; }\n";
  }
  return rule.str();
}

// Where there is room the controls stand at the Windows window's places, in a box of its
// size at the least that fills the browser's window, up to kMaxWindowWidth wide; on a
// narrower screen the page's own style lets them flow.
constexpr int kMaxWindowWidth = 1280;

std::string layout() {
  std::ostringstream css;
  css << "@media (min-width: " << kWindowWidth << "px) {\n"
      << "    .window {\n"
      << "      --extra-width: clamp(0px, 100vw - " << kWindowWidth << "px, "
      << kMaxWindowWidth - kWindowWidth << "px);\n"
      << "      --extra-height: max(0px, 100vh - " << kWindowHeight << "px);\n"
      << "      position: relative; max-width: none; min-height: 0;\n"
      << "      width: calc(" << kWindowWidth << "px + var(--extra-width));\n"
      << "      height: calc(" << kWindowHeight << "px + var(--extra-height));\n"
      << "    }\n"
      << "    .window > * { position: absolute; box-sizing: border-box; margin: 0; min-height: 0; }\n";
  for (int i = 0; i < kControlCount; ++i) css << place(kWebControls[i].element, kControls[i]);
  css << "  }";
  return css.str();
}

// Writes text to path whole or not at all; false when it cannot.
bool write_file(const std::string& path, const std::string& text) {
  const std::string part = path + ".part";
  std::ofstream out(part);
  out << text;
  out.close();
  return out && std::rename(part.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: make_page TEMPLATE PAGE STYLE\n";
    return 2;
  }
  const std::map<std::string, std::string> markers = {
      {"@CAPTION@", html(kWindowCaption)},
      {"@TEXT_NAME@", html(kTextName)},
      {"@INSERT@", html(place_of(IDC_INSERT)->text)},
      {"@START_LABEL@", html(place_of(IDC_START_LABEL)->text)},
      {"@END_LABEL@", html(place_of(IDC_END_LABEL)->text)},
  };
  std::ifstream in(argv[1]);
  std::stringstream page;
  page << in.rdbuf();
  std::string text = page.str();
  if (!in || text.empty()) {
    std::cerr << "make_page: cannot read " << argv[1] << "\n";
    return 1;
  }
  for (const auto& [marker, value] : markers) {
    size_t at = text.find(marker);
    if (at == std::string::npos) {
      std::cerr << "make_page: " << argv[1] << " has no " << marker << "\n";
      return 1;
    }
    for (; at != std::string::npos; at = text.find(marker, at + value.size())) {
      text.replace(at, marker.size(), value);
    }
  }
  const std::pair<const char*, std::string> files[] = {{argv[2], text},
                                                       {argv[3], layout() + "\n"}};
  for (const auto& [path, contents] : files) {
    if (!write_file(path, contents)) {
      std::cerr << "make_page: cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}

// make_cp932_table FILE: writes the table of code page 932 to FILE (whole or not at all), as the
// build machine's iconv converts it: one {character, form} pair a line for each character of the
// Basic Multilingual Plane whose code page 932 form reads back as the character itself, in the
// order of the characters. A form is one byte, or a lead byte and a trail byte as
// lead * 256 + trail. Built and run on the build machine by every build that needs the
// table; cp932.cpp includes what it writes.
#include <iconv.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Runs one whole conversion from a fresh state; returns the bytes written, or -1.
long convert(iconv_t cd, const char* in, size_t in_left, char* out, size_t out_size) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* from = const_cast<char*>(in);
  char* to = out;
  size_t out_left = out_size;
  if (iconv(cd, &from, &in_left, &to, &out_left) == static_cast<size_t>(-1) || in_left != 0) {
    return -1;
  }
  return to - out;
}

// The UTF-8 form of a character of the Basic Multilingual Plane.
size_t utf8(unsigned c, char* out) {
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xc0 | c >> 6);
    out[1] = static_cast<char>(0x80 | (c & 0x3f));
    return 2;
  }
  out[0] = static_cast<char>(0xe0 | c >> 12);
  out[1] = static_cast<char>(0x80 | (c >> 6 & 0x3f));
  out[2] = static_cast<char>(0x80 | (c & 0x3f));
  return 3;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string part = argc == 2 ? std::string(argv[1]) + ".part" : "";
  if (argc != 2 || !std::freopen(part.c_str(), "w", stdout)) {
    (void)std::fputs("usage: make_cp932_table FILE\n", stderr);
    return 2;
  }
  iconv_t to_cp932 = iconv_open("CP932", "UTF-8");
  iconv_t from_cp932 = iconv_open("UTF-8", "CP932");
  if (to_cp932 == reinterpret_cast<iconv_t>(-1) || from_cp932 == reinterpret_cast<iconv_t>(-1)) {
    (void)std::fputs("make_cp932_table: this iconv has no CP932\n", stderr);
    return 1;
  }
  std::printf("// Made by make_cp932_table from this machine's iconv. Do not edit.\n");
  int pairs = 0;
  for (unsigned c = 0; c < 0x10000; ++c) {
    if (c >= 0xd800 && c < 0xe000) continue;
    char text[4], form[4], back[4];
    size_t length = utf8(c, text);
    long form_length = convert(to_cp932, text, length, form, 2);
    if (form_length <= 0) continue;
    long back_length = convert(from_cp932, form, static_cast<size_t>(form_length), back, 4);
    if (back_length != static_cast<long>(length) || std::memcmp(back, text, length) != 0) continue;
    unsigned code = static_cast<unsigned char>(form[0]);
    if (form_length == 2) code = code << 8 | static_cast<unsigned char>(form[1]);
    std::printf("{0x%04X, 0x%04X},%s", c, code, ++pairs % 6 == 0 ? "\n" : " ");
  }
  std::printf("\n");
  if (pairs < 7000) {
    (void)std::fprintf(
        stderr, "make_cp932_table: only %d characters; is this iconv's CP932 whole?\n", pairs);
    return 1;
  }
  if (std::fclose(stdout) != 0 || std::rename(part.c_str(), argv[1]) != 0) {
    std::perror("make_cp932_table");
    return 1;
  }
  return 0;
}

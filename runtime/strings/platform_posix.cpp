// POSIX side of the platform seam: the C library's heap, a pthread mutex, standard error
// as the debug channel, and iconv plus the process locale for comparisons. The native
// build and the web module (where standard error is the browser's console) use it.
#include <iconv.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <stdexcept>
#include <string>

#include "runtime/strings/platform.h"

namespace {

// Every block carries its requested size in a header in front of it, so that the
// runtime can tell the exact size of a block as the Win32 heap does. The header keeps
// the block aligned for any type.
constexpr size_t kHeader = alignof(std::max_align_t);
constexpr size_t kLargeBlock = size_t{64} * 1024;

// The block in raw, with its size stored in front of it and its bytes cleared when asked;
// null when the C library's heap gave no raw block.
void* block_of(void* raw, size_t size, bool clear) {
  if (!raw) return nullptr;  // GCOVR_EXCL_BR_LINE: a machine out of memory
  std::memcpy(raw, &size, sizeof size);
  char* block = static_cast<char*>(raw) + kHeader;
  if (clear) std::memset(block, 0, size);
  return block;
}

void* raw_of(const void* block) {
  return const_cast<char*>(static_cast<const char*>(block) - kHeader);
}

void write_all(int fd, const char* text, size_t n) {
  while (n > 0) {
    ssize_t written = write(fd, text, n);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    text += written;
    n -= static_cast<size_t>(written);
  }
}

// Converts a counted code page 932 text to wide characters; false when it is not valid
// code page 932.
bool widen_cp932(const char* text, int32_t length, std::wstring& wide) {
  iconv_t cd = iconv_open("WCHAR_T", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;  // GCOVR_EXCL_BR_LINE: glibc has CP932
  wide.assign(static_cast<size_t>(length) + 1, L'\0');
  char* in = const_cast<char*>(text);
  size_t in_left = static_cast<size_t>(length);
  char* out = reinterpret_cast<char*>(&wide[0]);
  size_t out_left = wide.size() * sizeof(wchar_t);
  // A byte gives at most one character, so iconv stops early only at an error.
  const size_t done = iconv(cd, &in, &in_left, &out, &out_left);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) return false;
  wide.resize(wide.size() - out_left / sizeof(wchar_t));
  return true;
}

}  // namespace

// glibc hands large blocks out as fresh mappings and trims the top of the heap on free,
// so every big string would pay for page faults twice. The heap keeps its memory instead.
// Other C libraries (the web module's) keep their own ways.
void plat_heap_init() {
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
  mallopt(M_TOP_PAD, 4 * 1024 * 1024);
#endif
}

// The runtime asks for 2 GiB and 5 bytes at the most, so the header never takes a size past
// SIZE_MAX. malloc fails only on a machine out of memory; tests refuse through
// plat_heap_refuse_after instead. glibc's calloc bypasses the per-thread cache that serves
// the runtime's many small strings, so small zeroed blocks are cleared here; large ones
// come from calloc, which need not clear fresh pages.
void* plat_heap_alloc(size_t size, bool zeroed) {
  if (plat_heap_refuses()) return nullptr;
  if (zeroed && size >= kLargeBlock) return block_of(std::calloc(1, kHeader + size), size, false);
  return block_of(std::malloc(kHeader + size), size, zeroed);
}

void* plat_heap_realloc(void* block, size_t size) {
  if (plat_heap_refuses()) return nullptr;
  return block_of(std::realloc(raw_of(block), kHeader + size), size, false);
}

void plat_heap_free(void* block) { std::free(raw_of(block)); }

size_t plat_heap_size(const void* block) {
  size_t size;
  std::memcpy(&size, raw_of(block), sizeof size);
  return size;
}

void plat_lock_init(RtLock* lock) { pthread_mutex_init(lock, nullptr); }
void plat_lock_enter(RtLock* lock) { pthread_mutex_lock(lock); }
void plat_lock_leave(RtLock* lock) { pthread_mutex_unlock(lock); }

int32_t plat_text_length(const char* text) { return static_cast<int32_t>(std::strlen(text)); }
void plat_text_copy(char* destination, const char* text) {
  std::memcpy(destination, text, std::strlen(text) + 1);
}

void plat_debug_output(const char* text) { write_all(STDERR_FILENO, text, std::strlen(text)); }

// Here the debug channel is standard error, so the message is written once.
void plat_report_stop(const char* message) {
  write_all(STDERR_FILENO, message, std::strlen(message));
  write_all(STDERR_FILENO, "\n", 1);
}

void plat_end_process(int exit_code) {
  plat_flush_coverage();
  _exit(exit_code);  // GCOVR_EXCL_LINE: the counts end at the flush
}

// Collates under the process's LC_COLLATE. libstdc++'s collate compares counted texts,
// NUL bytes included.
int32_t plat_compare(const char* left, int32_t left_length, const char* right,
                     int32_t right_length) {
  std::wstring a, b;
  if (!widen_cp932(left, left_length, a) || !widen_cp932(right, right_length, b)) return 0;
  try {
    std::locale process_locale(std::setlocale(LC_COLLATE, nullptr));
    const auto& collate = std::use_facet<std::collate<wchar_t>>(process_locale);
    int order = collate.compare(a.data(), a.data() + a.size(), b.data(), b.data() + b.size());
    return order < 0 ? 1 : order == 0 ? 2 : 3;
  } catch (const std::runtime_error&) {  // GCOVR_EXCL_START: libstdc++ takes every name
    return 0;                            // that setlocale gives back
  }                                      // GCOVR_EXCL_STOP
}

RtTextWindow plat_text_window(const char* text, size_t size) {
  if (size > INT32_MAX) plat_fatal("Morvane: a text is longer than 2147483647 bytes");
  return {text, size, static_cast<int32_t>(size)};
}

int32_t plat_window_text_length(RtWindow window) { return window->reported_length; }

void plat_window_text(RtWindow window, char* buffer, int32_t size) {
  if (size <= 0) return;
  const size_t n = std::min(window->size, static_cast<size_t>(size) - 1);
  std::memcpy(buffer, window->text, n);
  buffer[n] = '\0';
}

// The platform seam of the string runtime: heap, lock, debug channel, locale comparison
// and the text queries of a window. platform_win32.cpp implements it with kernel32 and
// user32; platform_posix.cpp with the C library, for the native build and its tests.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
using RtLock = CRITICAL_SECTION;
using RtWindow = HWND;
#else
#include <pthread.h>
using RtLock = pthread_mutex_t;

// Stands in for a window where there are no Win32 windows: the text that it holds and the
// length that it reports for it (WM_GETTEXTLENGTH), which need not agree. Plain data: the
// runtime reads it and calls nothing.
struct RtTextWindow {
  const char* text;  // size bytes, not NUL-terminated
  size_t size;
  int32_t reported_length;
};
using RtWindow = const RtTextWindow*;

// A text of size bytes as a window that reports all of it; stops the process (plat_fatal)
// where size passes the 32-bit range of a string's length.
RtTextWindow plat_text_window(const char* text, size_t size);
#endif

// Exit code of the orderly stop when the runtime cannot go on (see plat_fatal;
// docs/deliberate.md, "A stop ends with 70 and names one cause").
constexpr int kRtFatalExitCode = 70;

// Prepares the heap; called once by rt_init before the first block is asked for.
void plat_heap_init();
// Returns a block of size bytes, zero-filled when zeroed is set; null when the heap refuses.
void* plat_heap_alloc(size_t size, bool zeroed);
// Resizes block, keeping its contents up to the smaller size; returns the new address,
// or null (block untouched) when the heap refuses.
void* plat_heap_realloc(void* block, size_t size);
void plat_heap_free(void* block);
// The size that the block was last allocated or resized to.
size_t plat_heap_size(const void* block);
// Makes the heap refuse every request after the next `allowed` ones; -1 lifts the refusal.
// Tests use it to drive the runtime into its out-of-memory stop; the stop itself refuses
// every request from then on.
void plat_heap_refuse_after(int64_t allowed);
// Counts one request of the heap; true when the heap must refuse it. Both heaps ask.
bool plat_heap_refuses();

void plat_lock_init(RtLock* lock);
void plat_lock_enter(RtLock* lock);
void plat_lock_leave(RtLock* lock);

// Copies n bytes; the ranges may overlap. Inline, so that the copies of a length prefix
// or a registry slot compile to plain moves.
inline void plat_move_memory(void* destination, const void* source, size_t n) {
#ifdef _WIN32
  RtlMoveMemory(destination, source, n);
#else
  __builtin_memmove(destination, source, n);
#endif
}
// Byte length of a NUL-terminated text, and its copy including the NUL.
int32_t plat_text_length(const char* text);
void plat_text_copy(char* destination, const char* text);

// Sends a NUL-terminated byte text to the debug channel, as it is.
void plat_debug_output(const char* text);
// The orderly stop: writes message and a line break to the debug channel and standard
// error, makes the heap refuse every request, shows the message to the person through the
// stop notice, then ends the process with kRtFatalExitCode, whether or not the notice
// could be shown. Never returns. A stop that comes while the notice is showing ends the
// process at once and writes nothing: the report names the first cause only. Called with
// the registry's lock free.
[[noreturn]] void plat_fatal(const char* message);

// How a front-end shows the person why the process stops; it must not return into code
// that needs the runtime. Null (the default) shows nothing more.
using RtStopNotice = void (*)(const char* message);
// Installs notice for every later stop; returns the one it replaces.
RtStopNotice plat_set_stop_notice(RtStopNotice notice);

// The platform's halves of plat_fatal: writing the message to the debug channel and
// standard error, and ending the process with an exit code (at once, past the C library's
// exit).
void plat_report_stop(const char* message);
[[noreturn]] void plat_end_process(int exit_code);

// In a build that measures coverage, writes the counts so far, which a process ending past
// the C library's exit would lose; anything counted afterwards is not written. Call it
// just before such an end. In other builds it does nothing.
void plat_flush_coverage();

// Compares two counted code page 932 texts under the system's locale: 1 when left sorts
// first, 2 when both sort equal, 3 when right sorts first, 0 when the comparison fails.
int32_t plat_compare(const char* left, int32_t left_length, const char* right,
                     int32_t right_length);

// The window's text length in bytes (clamped to the 32-bit range), and its text: at most
// size - 1 bytes and a NUL written into buffer; nothing when size is 0 or less.
int32_t plat_window_text_length(RtWindow window);
void plat_window_text(RtWindow window, char* buffer, int32_t size);

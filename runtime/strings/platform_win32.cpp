// Win32 side of the platform seam: the process heap, a critical section,
// OutputDebugStringA, CompareStringA and the window messages of user32.
#include <climits>

#include "runtime/strings/platform.h"

namespace {

void write_standard_error(const char* text) {
  HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(error, text, static_cast<DWORD>(lstrlenA(text)), &written, nullptr);
}

}  // namespace

void plat_heap_init() {}

void* plat_heap_alloc(size_t size, bool zeroed) {
  if (plat_heap_refuses()) return nullptr;
  return HeapAlloc(GetProcessHeap(), zeroed ? HEAP_ZERO_MEMORY : 0, size);
}

void* plat_heap_realloc(void* block, size_t size) {
  if (plat_heap_refuses()) return nullptr;
  return HeapReAlloc(GetProcessHeap(), 0, block, size);
}

void plat_heap_free(void* block) { HeapFree(GetProcessHeap(), 0, block); }

size_t plat_heap_size(const void* block) { return HeapSize(GetProcessHeap(), 0, block); }

void plat_lock_init(RtLock* lock) { InitializeCriticalSection(lock); }
void plat_lock_enter(RtLock* lock) { EnterCriticalSection(lock); }
void plat_lock_leave(RtLock* lock) { LeaveCriticalSection(lock); }

int32_t plat_text_length(const char* text) { return lstrlenA(text); }
void plat_text_copy(char* destination, const char* text) { lstrcpyA(destination, text); }

void plat_debug_output(const char* text) { OutputDebugStringA(text); }

void plat_report_stop(const char* message) {
  OutputDebugStringA(message);
  write_standard_error(message);
  write_standard_error("\r\n");
}

void plat_end_process(int exit_code) {
  plat_flush_coverage();
  ExitProcess(static_cast<UINT>(exit_code));  // GCOVR_EXCL_LINE: the counts end at the flush
}

int32_t plat_compare(const char* left, int32_t left_length, const char* right,
                     int32_t right_length) {
  return CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, left, left_length, right, right_length);
}

int32_t plat_window_text_length(RtWindow window) {
  const long long length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  if (length > INT32_MAX) return INT32_MAX;
  if (length < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(length);
}

void plat_window_text(RtWindow window, char* buffer, int32_t size) {
  SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer));
}

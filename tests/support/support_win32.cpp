// Win32 parts of the test fixtures: code page conversion, the heap watched through import
// hooks, the debug channel seen through a vectored exception handler, and a window class
// whose text queries tests control.
#include <algorithm>
#include <cstring>

#include <thread>

#include "tests/support/import_hook.h"
#include "tests/support/runtime_support.h"
#include "tests/support/trace.h"

std::string cp932(const std::string& utf8) {
  int wide_length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(size_t(wide_length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], wide_length);
  int length = WideCharToMultiByte(932, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  std::string out(size_t(length), '\0');
  WideCharToMultiByte(932, 0, wide.data(), wide_length, &out[0], length, nullptr, nullptr);
  return out;
}

namespace {

using HeapAllocFn = LPVOID(WINAPI*)(HANDLE, DWORD, SIZE_T);
using HeapFreeFn = BOOL(WINAPI*)(HANDLE, DWORD, LPVOID);
using HeapReAllocFn = LPVOID(WINAPI*)(HANDLE, DWORD, LPVOID, SIZE_T);
HeapAllocFn g_heap_alloc;
HeapFreeFn g_heap_free;
HeapReAllocFn g_heap_realloc;
int g_heap_faults;

// The runtime's blocks: zeroed ones hold strings, whose handles stand 4 bytes in.
LPVOID WINAPI traced_heap_alloc(HANDLE heap, DWORD flags, SIZE_T size) {
  LPVOID block = g_heap_alloc(heap, flags, size);
  if (flags & HEAP_ZERO_MEMORY) {
    trace_creation(static_cast<char*>(block) + 4, static_cast<int32_t>(size - 5));
  } else {
    trace("HeapAlloc(" + std::to_string(flags) + ", " + std::to_string(size) + ")");
  }
  return block;
}

BOOL WINAPI checked_heap_free(HANDLE heap, DWORD flags, LPVOID block) {
  trace_release(static_cast<char*>(block) + 4);
  if (!HeapValidate(heap, 0, block)) ++g_heap_faults;
  BOOL freed = g_heap_free(heap, flags, block);
  if (!freed) ++g_heap_faults;
  return freed;
}

LPVOID WINAPI checked_heap_realloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T size) {
  if (!HeapValidate(heap, 0, block)) ++g_heap_faults;
  return g_heap_realloc(heap, flags, block, size);
}

}  // namespace

void watch_heap() {
  g_heap_alloc = reinterpret_cast<HeapAllocFn>(
      hook_import("kernel32.dll", "HeapAlloc", reinterpret_cast<void*>(traced_heap_alloc)));
  g_heap_free = reinterpret_cast<HeapFreeFn>(
      hook_import("kernel32.dll", "HeapFree", reinterpret_cast<void*>(checked_heap_free)));
  g_heap_realloc = reinterpret_cast<HeapReAllocFn>(
      hook_import("kernel32.dll", "HeapReAlloc", reinterpret_cast<void*>(checked_heap_realloc)));
}

void expect_heap_intact() {
  EXPECT_TRUE(g_heap_alloc && g_heap_free && g_heap_realloc) << "the heap is not watched";
  EXPECT_EQ(0, g_heap_faults) << "blocks found damaged, or refused, when freed or resized";
  EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, nullptr)) << "the process heap is damaged";
  g_heap_faults = 0;
}

bool registry_lock_is_free() {
  bool free = false;
  std::thread([&free] {
    auto* lock = const_cast<CRITICAL_SECTION*>(&rt_registry().lock);
    free = TryEnterCriticalSection(lock);
    if (free) LeaveCriticalSection(lock);
  }).join();
  return free;
}

// OutputDebugStringA raises DBG_PRINTEXCEPTION_C with the text's length (NUL included)
// and address; a vectored handler sees it before anyone else and lets it go on.
namespace {
std::string* g_channel = nullptr;
PVOID g_handler = nullptr;

LONG CALLBACK collect_debug_output(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  if (g_channel && record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2) {
    size_t length = size_t(record->ExceptionInformation[0]);
    const char* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
    g_channel->append(text, length > 0 ? length - 1 : 0);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}
}  // namespace

DebugChannelCapture::DebugChannelCapture() {
  g_channel = new std::string;
  g_handler = AddVectoredExceptionHandler(1, collect_debug_output);
}

DebugChannelCapture::~DebugChannelCapture() {
  RemoveVectoredExceptionHandler(g_handler);
  delete g_channel;
  g_channel = nullptr;
}

std::string DebugChannelCapture::take() {
  taken_ = true;
  return *g_channel;
}

struct TestWindow::Impl {
  std::string text;
  int64_t reported;
  HWND window;
};

namespace {
LRESULT CALLBACK test_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* impl = reinterpret_cast<TestWindow::Impl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (impl && message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(impl->reported);
  if (impl && message == WM_GETTEXT) {
    if (wparam == 0) return 0;
    size_t n = std::min(impl->text.size(), size_t(wparam) - 1);
    std::memcpy(reinterpret_cast<char*>(lparam), impl->text.data(), n);
    reinterpret_cast<char*>(lparam)[n] = '\0';
    return LRESULT(n);
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

const char* test_window_class() {
  static const char* name = [] {
    WNDCLASSA record = {};
    record.lpfnWndProc = test_window_proc;
    record.hInstance = GetModuleHandleA(nullptr);
    record.lpszClassName = "MorvaneTestWindow";
    RegisterClassA(&record);
    return "MorvaneTestWindow";
  }();
  return name;
}
}  // namespace

TestWindow::TestWindow(const std::string& text, int64_t reported_length) : impl_(new Impl) {
  impl_->text = text;
  impl_->reported = reported_length;
  impl_->window = CreateWindowExA(0, test_window_class(), "", 0, 0, 0, 10, 10, HWND_MESSAGE,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(impl_->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl_));
}

TestWindow::~TestWindow() {
  DestroyWindow(impl_->window);
  delete impl_;
}

RtWindow TestWindow::handle() const { return impl_->window; }

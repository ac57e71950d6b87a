// POSIX parts of the test fixtures: iconv, standard error, and a text window.
#include <iconv.h>

#include <thread>

#include "tests/support/runtime_support.h"

std::string cp932(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  std::string out(utf8.size() * 2 + 1, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* to = &out[0];
  size_t out_left = out.size();
  size_t done = iconv(cd, &in, &in_left, &to, &out_left);
  iconv_close(cd);
  EXPECT_NE(done, static_cast<size_t>(-1)) << "not convertible to code page 932: " << utf8;
  out.resize(out.size() - out_left);
  return out;
}

void watch_heap() {}

bool registry_lock_is_free() {
  bool free = false;
  std::thread([&free] {
    auto* lock = const_cast<pthread_mutex_t*>(&rt_registry().lock);
    free = pthread_mutex_trylock(lock) == 0;
    if (free) pthread_mutex_unlock(lock);
  }).join();
  return free;
}
void expect_heap_intact() {}

// The debug channel is standard error here.
DebugChannelCapture::DebugChannelCapture() { ::testing::internal::CaptureStderr(); }

DebugChannelCapture::~DebugChannelCapture() {
  if (!taken_) ::testing::internal::GetCapturedStderr();
}

std::string DebugChannelCapture::take() {
  taken_ = true;
  return ::testing::internal::GetCapturedStderr();
}

struct TestWindow::Impl {
  std::string text;
  RtTextWindow window;
};

TestWindow::TestWindow(const std::string& text, int64_t reported_length) : impl_(new Impl) {
  impl_->text = text;
  impl_->window = {impl_->text.data(), impl_->text.size(), static_cast<int32_t>(reported_length)};
}
TestWindow::~TestWindow() { delete impl_; }
RtWindow TestWindow::handle() const { return &impl_->window; }

// The input of a fuzz target, read front to back as the values that the target decodes.
// Past the end every read gives zero bytes, so any byte string is a complete input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), left_(size) {}

  bool empty() const { return left_ == 0; }

  // The next sizeof(T) bytes as a T, in the machine's byte order: every bit pattern of an
  // integer or a double can come out.
  template <typename T>
  T take() {
    unsigned char raw[sizeof(T)] = {};
    read(raw, sizeof raw);
    T value;
    std::memcpy(&value, raw, sizeof value);
    return value;
  }

  // The next n bytes, fewer where the input ends.
  std::string bytes(size_t n) {
    std::string out(n < left_ ? n : left_, '\0');
    read(&out[0], out.size());
    return out;
  }

 private:
  void read(void* out, size_t n) {
    size_t k = n < left_ ? n : left_;
    if (k > 0) std::memcpy(out, data_, k);
    data_ += k;
    left_ -= k;
  }

  const uint8_t* data_;
  size_t left_;
};

// libFuzzer target for the string runtime and the tag computation. The input is decoded
// into a sequence of string operations. A model keeps the live strings in creation order,
// each with the bytes it must hold; after every step the registry must list exactly those
// strings, each with its length prefix, its bytes and the NUL after them, and the debug
// channel must receive exactly the release reports that the steps call for.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/core/wrap_selection.h"
#include "fuzz/fuzz_report.h"
#include "fuzz/runtime_target.h"
#include "fuzz/string_reference.h"
#include "runtime/strings/strings.h"

namespace {

// Bounds that keep one input fast; cut positions and counts stay unbounded.
constexpr int32_t kMaxLength = 2048;     // the longest string that one creation asks for
constexpr size_t kMaxLive = 64;          // live strings at once
constexpr size_t kMaxBytes = 16 * 1024;  // characters of all live strings together

// The release report, in code page 932: 未知の文字列が解放されようとしました。/return
const std::string kReport =
    "\x96\xa2\x92\x6d\x82\xcc\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x89\xf0\x95\xfa\x82\xb3"
    "\x82\xea\x82\xe6\x82\xa4\x82\xc6\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42/return";

enum Op : uint8_t {
  kNew,          // str_new of a length
  kFromBytes,    // str_new, then the caller fills it with given bytes
  kFromText,     // str_from_text of given bytes, up to the first NUL
  kCopy,         // str_copy
  kConcat,       // str_concat, the same string on both sides included
  kMid,          // str_mid with any start and count
  kRange,        // str_range with any first and last
  kBuffer,       // str_buffer, negative lengths included
  kCompare,      // str_compare
  kCompareKeep,  // str_compare_keep
  kWindowText,   // str_window_text of a window whose reported length may be wrong
  kAddress,      // str_address
  kAssign,       // str_assign of one live string to a variable holding another
  kWrap,         // wrap_selection with any bounds, any live strings as text and tags
  kFree,         // str_free of a live string
  kFreeUnknown,  // str_free of null or of an address never handed out
  kFreeAgain,    // str_free of a string released before, with no creation since
  kOpCount
};

std::string hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < bytes.size() && i < 48; i++) {
    out += digits[static_cast<unsigned char>(bytes[i]) >> 4];
    out += digits[static_cast<unsigned char>(bytes[i]) & 15];
  }
  if (bytes.size() > 48) out += "...";
  return "'" + out + "' (" + std::to_string(bytes.size()) + " bytes)";
}

std::string address(const void* p) { return std::to_string(reinterpret_cast<uintptr_t>(p)); }

struct LiveString {
  RtString handle;
  std::string bytes;
};

// One input: the steps that it decodes, run against the runtime and the model.
class Session {
 public:
  explicit Session(FuzzInput& in) : in_(in) {}

  // The runtime's debug channel is read after each step that must send release reports
  // and at the end: what arrived since the previous read must be exactly the reports that
  // the steps since then called for.
  void run() {
    check_registry();
    while (!in_.empty()) {
      perform(static_cast<Op>(in_.take<uint8_t>() % kOpCount));
      if (expected_reports_ > 0) check_channel();
      check_registry();
    }
    step_ = "release of every live string";
    while (!live_.empty()) {
      str_free(live_.back().handle);
      live_.pop_back();
    }
    check_channel();
    check_registry();
  }

 private:
  void perform(Op op) {
    switch (op) {
      case kNew: {
        step_ = "str_new";
        int32_t n = in_.take<uint16_t>() % (kMaxLength + 1);
        if (room_for(n)) add_fitted(str_new(n), std::string(static_cast<size_t>(n), '\0'));
        break;
      }
      case kFromBytes: {
        step_ = "str_new filled with bytes";
        std::string bytes = in_.bytes(in_.take<uint8_t>());
        if (!room_for(bytes.size())) break;
        RtString s = str_new(static_cast<int32_t>(bytes.size()));
        std::memcpy(s, bytes.data(), bytes.size());
        add_fitted(s, bytes);
        break;
      }
      case kFromText: {
        step_ = "str_from_text";
        std::string text = in_.bytes(in_.take<uint8_t>());
        std::string expected(text.c_str());
        if (room_for(expected.size())) add_fitted(str_from_text(text.c_str()), expected);
        break;
      }
      case kCopy: {
        step_ = "str_copy";
        size_t i = pick();
        if (live_.empty() || !room_for(bytes(i).size())) break;
        std::string expected = bytes(i);
        add_fitted(str_copy(handle(i)), expected);
        break;
      }
      case kConcat: {
        step_ = "str_concat";
        size_t i = pick(), j = pick();
        if (live_.empty()) break;
        std::string expected = bytes(i) + bytes(j);
        if (!room_for(expected.size())) break;
        add(str_concat(handle(i), handle(j)), expected);
        release_pair(i, j);
        break;
      }
      case kMid:
      case kRange: {
        step_ = op == kMid ? "str_mid" : "str_range";
        size_t i = pick();
        int32_t a = in_.take<int32_t>(), b = in_.take<int32_t>();
        if (live_.empty()) break;
        if (op == kMid) {
          add(str_mid(handle(i), a, b), mid_reference(bytes(i), a, b));
        } else {
          add(str_range(handle(i), a, b), range_reference(bytes(i), a, b));
        }
        release(i);
        break;
      }
      case kBuffer: {
        step_ = "str_buffer";
        int32_t n = in_.take<int32_t>();
        if (n > 0) n %= kMaxLength + 1;
        size_t length = n > 0 ? static_cast<size_t>(n) : 0;
        if (room_for(length)) add_fitted(str_buffer(n), std::string(length, '\0'));
        break;
      }
      case kCompare:
      case kCompareKeep: {
        step_ = op == kCompare ? "str_compare" : "str_compare_keep";
        size_t i = pick(), j = pick();
        if (live_.empty()) break;
        const std::string& left = bytes(i);
        bool equal = left == bytes(j);
        bool ascii = std::all_of(left.begin(), left.end(), [](char c) { return c >= 0; });
        int32_t result = op == kCompare ? str_compare(handle(i), handle(j))
                                        : str_compare_keep(handle(i), handle(j));
        // The order of unequal texts is the locale's; equal texts compare equal, unless
        // they are not code page 932, which fails (0); ASCII always is code page 932.
        if (result < 0 || result > 3 || (equal && result == 1) || (equal && result == 3) ||
            (equal && ascii && result != 2)) {
          fuzz_fail(std::string(step_) + "(" + hex(left) + ", " + hex(bytes(j)) + ") returned " +
                    std::to_string(result));
        }
        if (op == kCompare) {
          release_pair(i, j);
        } else {
          release(j);
        }
        break;
      }
      case kWindowText: {
        step_ = "str_window_text";
        std::string text = in_.bytes(in_.take<uint8_t>());
        int32_t reported = in_.take<int32_t>();
        if (reported > 0) reported %= static_cast<int32_t>(text.size()) + 64;
        std::string expected = window_text_reference(text, reported);
        if (!room_for(expected.size())) break;
        // A window that reports `reported` as its text length and holds `text`, whatever
        // the two have to do with each other.
        const RtTextWindow window = {text.data(), text.size(), reported};
        add(str_window_text(&window), expected);
        break;
      }
      case kAddress: {
        step_ = "str_address";
        size_t i = pick();
        if (live_.empty()) break;
        RtString variable = handle(i);
        intptr_t result = str_address(variable);
        if (result != reinterpret_cast<intptr_t>(handle(i)) || variable != handle(i)) {
          fuzz_fail("str_address of " + address(handle(i)) + " gave " + std::to_string(result));
        }
        break;
      }
      case kAssign: {
        step_ = "str_assign";
        size_t i = pick(), j = pick();
        if (live_.empty() || i == j) break;
        RtString variable = handle(i);
        str_assign(variable, handle(j));
        if (variable != handle(j)) fuzz_fail("str_assign: the variable does not hold its value");
        release(i);
        break;
      }
      case kWrap: {
        step_ = "wrap_selection";
        size_t t = pick(), a = pick(), b = pick();
        int32_t start = in_.take<int32_t>(), end = in_.take<int32_t>();
        if (live_.empty()) break;
        std::string expected = wrap_reference(bytes(t), start, end, bytes(a), bytes(b));
        if (!room_for(expected.size())) break;
        RtString result = wrap_selection(handle(t), start, end, handle(a), handle(b));
        if (bytes_of(result) != expected) {
          fuzz_fail("wrap_selection(" + hex(bytes(t)) + ", " + std::to_string(start) + ", " +
                    std::to_string(end) + ", " + hex(bytes(a)) + ", " + hex(bytes(b)) +
                    "): expected " + hex(expected) + ", got " + hex(bytes_of(result)));
        }
        add(result, expected);
        break;
      }
      case kFree: {
        step_ = "str_free of a live string";
        size_t i = pick();
        if (live_.empty()) break;
        str_free(handle(i));
        release(i);
        break;
      }
      case kFreeUnknown: {
        step_ = "str_free of an unknown handle";
        uint8_t choice = in_.take<uint8_t>();
        char foreign[64] = {};
        RtString s = foreign + choice % sizeof foreign;
        if (choice == 0) {
          s = nullptr;
        } else if (choice % 2 == 1 && !live_.empty()) {
          // Inside a live string's block: its start, or a byte of it that is not the handle.
          RtString live = handle(choice / 8 % live_.size());
          const int32_t offsets[] = {-4, -1, 1, str_length(live)};
          s = live + offsets[choice / 2 % 4];
          if (s == live) break;
        }
        str_free(s);
        if (s) expected_reports_++;
        break;
      }
      case kFreeAgain: {
        step_ = "str_free of a released string";
        size_t i = in_.take<uint8_t>();
        if (released_.empty()) break;
        str_free(released_[i % released_.size()]);
        expected_reports_++;
        break;
      }
      case kOpCount:
        break;
    }
  }

  // The index of a live string, from the next input byte.
  size_t pick() {
    uint8_t choice = in_.take<uint8_t>();
    return live_.empty() ? 0 : choice % live_.size();
  }
  RtString handle(size_t i) const { return live_[i].handle; }
  const std::string& bytes(size_t i) const { return live_[i].bytes; }

  static std::string bytes_of(RtString s) {
    return std::string(s, static_cast<size_t>(str_length(s)));
  }

  bool room_for(size_t length) const {
    size_t total = length;
    for (const LiveString& s : live_) total += s.bytes.size();
    return live_.size() < kMaxLive && total <= kMaxBytes;
  }

  // A new string, the youngest. From here on no earlier release may be repeated: the new
  // string may have the address of a released one.
  void add(RtString handle, std::string bytes) {
    released_.clear();
    live_.push_back({handle, std::move(bytes)});
  }

  // A new string made by a single creation, the step's last change to the registry: the
  // entries block must have room for exactly the live strings.
  void add_fitted(RtString handle, std::string bytes) {
    add(handle, std::move(bytes));
    entries_fit_ = true;
  }

  // The string at i has been released.
  void release(size_t i) {
    released_.push_back(live_[i].handle);
    live_.erase(live_.begin() + static_cast<std::ptrdiff_t>(i));
  }

  // Both strings have been released, in the order i, j; given twice, the string is
  // released once and its second release is reported.
  void release_pair(size_t i, size_t j) {
    if (i == j) {
      release(i);
      expected_reports_++;
      return;
    }
    release(std::max(i, j));
    release(std::min(i, j));
  }

  void check_channel() {
    const std::string channel = fuzz_record().take();
    bool expected = channel.size() == expected_reports_ * kReport.size();
    for (size_t i = 0; expected && i < expected_reports_; i++) {
      expected = channel.compare(i * kReport.size(), kReport.size(), kReport) == 0;
    }
    if (!expected) {
      fuzz_fail(std::string(step_) + ": the debug channel received " + hex(channel) +
                " since the previous check, expected " + std::to_string(expected_reports_) +
                " release reports");
    }
    expected_reports_ = 0;
  }

  void check_registry() {
    const StringRegistry& registry = rt_registry();
    if (registry.count != static_cast<int32_t>(live_.size())) {
      fuzz_fail(std::string(step_) + ": the registry holds " + std::to_string(registry.count) +
                " strings, expected " + std::to_string(live_.size()));
    }
    const size_t room = plat_heap_size(registry.entries) / sizeof(RtString);
    if (room < live_.size() || (entries_fit_ && room != live_.size())) {
      fuzz_fail(std::string(step_) + ": the entries block has room for " + std::to_string(room) +
                " slots with " + std::to_string(live_.size()) + " strings live");
    }
    entries_fit_ = false;
    for (size_t i = 0; i < live_.size(); i++) {
      RtString s = registry.entries[i];
      const std::string& expected = live_[i].bytes;
      auto fail = [&](const std::string& what) {
        fuzz_fail(std::string(step_) + ": slot " + std::to_string(i) + " " + what);
      };
      if (s != live_[i].handle) {
        fail("holds " + address(s) + ", expected " + address(live_[i].handle));
      }
      const int32_t length = str_length(s);
      if (length != static_cast<int32_t>(expected.size()) ||
          std::memcmp(s, expected.data(), expected.size()) != 0) {
        const std::string actual = bytes_of(s);
        const size_t at = static_cast<size_t>(
            std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first -
            actual.begin());
        fail("holds " + hex(actual.substr(at)) + " from byte " + std::to_string(at) +
             ", expected " + hex(expected.substr(at)));
      }
      if (s[length] != '\0') fail("has no NUL after its last character");
      if (plat_heap_size(s - sizeof(int32_t)) != expected.size() + 5) {
        fail("is not in a block of length + 5 bytes");
      }
    }
  }

  FuzzInput& in_;
  std::vector<LiveString> live_;    // oldest first, as the registry must list them
  std::vector<RtString> released_;  // released since the latest creation
  const char* step_ = "start of the input";
  size_t expected_reports_ = 0;
  bool entries_fit_ = false;
};

}  // namespace

void fuzz_one_input(FuzzInput& in) { Session(in).run(); }

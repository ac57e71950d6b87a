#include "tests/support/trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

bool g_recording;
std::vector<std::string> g_entries;
std::map<uintptr_t, std::string> g_names;
int g_strings_made;

}  // namespace

void start_trace() {
  g_entries.clear();
  g_names.clear();
  g_strings_made = 0;
  g_recording = true;
}

std::vector<std::string> take_trace() {
  g_recording = false;
  return std::move(g_entries);
}

void trace(const std::string& entry) {
  if (g_recording) g_entries.push_back(entry);
}

void name_value(uintptr_t value, const std::string& name) { g_names[value] = name; }

std::string name_or(uintptr_t value, const std::string& otherwise) {
  const auto named = g_names.find(value);
  return named != g_names.end() ? named->second : otherwise;
}

std::string name_of(uintptr_t value) {
  return name_or(value, value < 0x10000 ? std::to_string(value) : "address");
}

void trace_creation(const void* handle, int32_t length) {
  if (!g_recording) return;
  const std::string name = "#" + std::to_string(++g_strings_made);
  name_value(reinterpret_cast<uintptr_t>(handle), name);
  trace("new(" + std::to_string(length) + ") " + name);
}

void trace_release(const void* handle) { trace("free " + name_of(reinterpret_cast<uintptr_t>(handle))); }

std::string trace_difference(const std::vector<std::string>& expected,
                             const std::vector<std::string>& actual) {
  const size_t at = static_cast<size_t>(
      std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first -
      expected.begin());
  if (at == expected.size() && at == actual.size()) return "";
  std::string out = "the traces differ from entry " + std::to_string(at);
  for (const auto* entries : {&expected, &actual}) {
    out += entries == &expected ? "\nexpected:" : "\nactual:";
    for (size_t i = at; i < entries->size() && i < at + 12; ++i) out += "\n  " + (*entries)[i];
  }
  return out;
}

void expect_trace(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  const std::string difference = trace_difference(expected, actual);
  if (!difference.empty()) ADD_FAILURE() << difference;
}

const std::vector<std::string> kWrapSelectionTrace = {
    // The selected part, cut from copies of the text by str_range and str_mid.
    "new(0) #11", "new(6) #12", "new(0) #13", "new(6) #14", "new(0) #15", "new(2) #16",
    "free #15", "free #14", "free #13", "free #12", "free #11",
    // Copies of the start tag and the selected part joined, then a copy of the end tag.
    "new(1) #17", "new(2) #18", "new(3) #19", "free #17", "free #18",  //
    "new(1) #20", "new(4) #21", "free #19", "free #20", "free #16"};

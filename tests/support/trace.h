// A trace of what the program does, in order, for comparison with a table written from
// what it must do: the string runtime's creations ("new(length) #k", the k-th string made
// since start_trace) and releases ("free #k"), and whatever a test's hooks add. Values that
// the trace has met are written by name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Starts recording, with no entry and no name yet; take_trace stops it and returns the
// entries. trace adds one while recording.
void start_trace();
std::vector<std::string> take_trace();
void trace(const std::string& entry);

// Gives value a name until the next start_trace. name_of returns it; for a value without
// one, the value in decimal when it is below 65536 (a count, an id), else "address".
void name_value(uintptr_t value, const std::string& name);
std::string name_of(uintptr_t value);
// The name of value, or otherwise when it has none.
std::string name_or(uintptr_t value, const std::string& otherwise);

// Called where the runtime makes and releases strings: by the heap's hooks on Windows,
// through the linker elsewhere (trace_posix.cpp).
void trace_creation(const void* handle, int32_t length);
void trace_release(const void* handle);

// The first entry in which actual differs from expected, and the entries from there; ""
// when they agree. expect_trace reports it as a failure.
std::string trace_difference(const std::vector<std::string>& expected,
                             const std::vector<std::string>& actual);
void expect_trace(const std::vector<std::string>& expected, const std::vector<std::string>& actual);

// What wrap_selection makes and releases in the command's click on "abcdef" with "cd"
// selected and the tags "[" and "]", the 11th string made on.
extern const std::vector<std::string> kWrapSelectionTrace;

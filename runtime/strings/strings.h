// The string runtime: length-prefixed heap strings, every one listed in one process-wide
// registry from its creation to its release.
//
// Ownership: an operation releases the strings that it is given, on every path, and
// returns a new string that the caller owns. str_copy leaves its argument to the caller,
// str_compare_keep its left operand. A caller that still needs a string passes str_copy
// of it.
#pragma once

#include <cstdint>

#include "runtime/strings/platform.h"

// A runtime string: the address of its first character. The signed 32-bit length stands
// in the four bytes before it and a NUL follows the last character; the block behind it
// is length + 5 bytes. A string may hold NUL bytes among its characters.
using RtString = char*;

// The table of live strings, oldest first. Slots 0 to count - 1 of entries hold the
// handles; after a creation the entries block has room for exactly count slots.
struct StringRegistry {
  RtLock lock;
  RtString* entries;
  int32_t count;
  int32_t initialised;
};

// The registry, read-only, for tests and diagnostics.
const StringRegistry& rt_registry();

// Sets up the registry: lock, a 1-byte entries block, count 0. Called once, before any
// other string routine.
void rt_init();

// Returns a new registered string of n NUL characters; the caller owns it. A negative n
// stops the process.
RtString str_new(int32_t n);

// Releases s if the registry holds it. Null is ignored; any other unknown handle is
// reported on the debug channel and left alone.
void str_free(RtString s);

// The length of s, read from its prefix.
int32_t str_length(RtString s);

// Assigns value to a string variable: releases the string that the variable held, then
// stores value. The variable takes over value.
void str_assign(RtString& variable, RtString value);

// Returns a new string holding the NUL-terminated text (its bytes up to the NUL).
RtString str_from_text(const char* text);

// Returns a copy of s. s stays with the caller.
RtString str_copy(RtString s);

// Returns left followed by right. Releases left, then right.
RtString str_concat(RtString left, RtString right);

// Returns up to count characters of s from 1-based position start; count 0 means up to
// the end. A start outside s, or a negative count, gives the empty string. Releases s.
RtString str_mid(RtString s, int32_t start, int32_t count);

// Returns the characters of s from 1-based position first to last, both included; empty
// when first > last or first < 1. Releases s.
RtString str_range(RtString s, int32_t first, int32_t last);

// Returns a new string of n NUL characters for a platform call to fill; its length stays
// n. A negative n gives the empty string.
RtString str_buffer(int32_t n);

// Returns the text of the window, as long as the window reports it to be (bytes that the
// window does not deliver stay NUL).
RtString str_window_text(RtWindow window);

// Returns the handle that the string variable holds, as an integer. Creates and releases
// nothing.
intptr_t str_address(RtString& variable);

// Compares left and right under the system's locale: 1 (left first), 2 (equal),
// 3 (right first), 0 when the comparison fails. Releases left, then right.
int32_t str_compare(RtString left, RtString right);

// As str_compare, but releases right only; left stays with the caller.
int32_t str_compare_keep(RtString left, RtString right);

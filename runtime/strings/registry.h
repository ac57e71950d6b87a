// Inside the string store: the one registry of the process and the length prefix in front
// of every string. Only the store's operations include this.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/strings/strings.h"

// Static storage, zero at load; rt_init sets it up.
extern StringRegistry g_registry;

// Bytes of the length prefix in front of a string's first character.
constexpr size_t kPrefix = sizeof(int32_t);

#include "runtime/strings/registry.h"

StringRegistry g_registry;

const StringRegistry& rt_registry() { return g_registry; }

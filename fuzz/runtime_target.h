// The libFuzzer entry points of a target over the string runtime: the string store is
// initialised once, and each input runs with its bytes and the debug channel recorded
// (input_record.h), in files beside the target: NAME.last-input and NAME.debug-channel.
#pragma once

#include "fuzz/fuzz_input.h"
#include "fuzz/input_record.h"

// Runs one input; each target defines it.
void fuzz_one_input(FuzzInput& in);

// The record of the running input.
InputRecord& fuzz_record();

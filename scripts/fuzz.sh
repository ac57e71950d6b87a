#!/usr/bin/env bash
# Builds the fuzz preset and runs its three libFuzzer targets side by side for SECONDS each
# (default 30), each on its own copy of its seed corpus under build/fuzz/corpus/, which
# keeps what the runs add. Fails on any finding: a failed check, a crash, a sanitizer
# report, a leak, a timeout or a stop of the process; the input that caused it is left
# under build/fuzz/findings/.
# The longer run: scripts/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

# run TARGET OPTIONS...: one target in the background; its log is build/fuzz/TARGET.log.
# -close_fd_mask=2 gives libFuzzer its own copy of standard error, so that its reports
# stay visible while the targets capture the runtime's debug channel. A timeout
# exits with 124, leaving 70 to the runtime's orderly stop.
run() {
  local target=$1
  shift
  local corpus=build/fuzz/corpus/$target findings=build/fuzz/findings/$target
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings"
  cp fuzz/corpus/"$target"/* "$corpus"/
  "build/fuzz/fuzz/${target}_fuzz" "$@" -max_total_time="$seconds" -timeout=10 -timeout_exitcode=124 \
    -print_final_stats=1 -close_fd_mask=2 -artifact_prefix="$findings/" "$corpus" \
    >"build/fuzz/$target.log" 2>&1 &
  pids+=($!)
}

targets=(strings numeric unicode_clicks)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' INT TERM
# A numeric input is one 20-byte record; a kilobyte of string operations reaches every
# state of the registry that the strings target allows (64 live strings); half a kilobyte
# of a click is a text of some 150 characters with both tags.
run strings -max_len=1024
run numeric -max_len=20
run unicode_clicks -max_len=512

failed=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  log=build/fuzz/$target.log
  if wait "${pids[$i]}"; then status=0; else status=$?; fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ "$status" = 0 ]; then
    echo "${target}_fuzz: ${runs:-?} executions in ${seconds} s, no findings"
  else
    failed=1
    echo "${target}_fuzz: FAILED (exit $status) after ${runs:-?} executions; from $log:"
    first=$(grep -n -m1 -E 'FUZZ CHECK FAILED|ERROR: |runtime error:' "$log" | cut -d: -f1)
    if [ -n "$first" ]; then tail -n +"$first" "$log" | head -n 60; else tail -n 40 "$log"; fi
    findings=build/fuzz/findings/$target
    if [ -z "$(ls -A "$findings")" ]; then
      # Stopped past libFuzzer (exit code 70 is the runtime's orderly stop): the target
      # has kept the input and what the runtime wrote to standard error during it.
      cp "build/fuzz/fuzz/${target}_fuzz.last-input" "$findings/last-input" 2>/dev/null || true
      echo "standard error during the last input:"
      cat "build/fuzz/fuzz/${target}_fuzz.debug-channel" 2>/dev/null || true
      echo
    fi
    echo "findings: $(ls "$findings")"
  fi
done
exit $failed

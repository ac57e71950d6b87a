#!/usr/bin/env bash
# `./test quick`: the check for every change. The native build and its tests: the string
# runtime, the core, the numeric library, the web page's edge and the GTK program (in the
# test process and as a process of its own, on X11 and on Wayland), on a virtual display
# when none is set. `./test` runs everything.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
scripts/setup-machine.sh
source scripts/virtual-display.sh
start_virtual_display
trap stop_virtual_display EXIT
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)"
ctest --preset native
echo "== the quick tests passed in $((SECONDS - started)) s"

# shellcheck shell=bash
# Sourced by Morvane's scripts: the helpers that more than one of them needs. Each
# message begins with the name of the script that sourced this, without .sh.
morvane_script=$(basename "$0" .sh)

# as_root COMMAND...: runs COMMAND as root, through sudo when not root already.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# fail STEP REASON: names the step that failed and the reason on standard error, and exits
# with 1.
fail() {
  echo "$morvane_script: step '$1' failed: $2" >&2
  exit 1
}

# check DESCRIPTION COMMAND...: runs COMMAND and prints DESCRIPTION with "ok" or "FAILED";
# a failure sets check_failed to 1, so that a script can run all its checks and then
# exit "$check_failed".
# shellcheck disable=SC2034
check_failed=0
check() {
  if "${@:2}"; then
    echo "$morvane_script: $1: ok"
  else
    echo "$morvane_script: $1: FAILED"
    # shellcheck disable=SC2034
    check_failed=1
  fi
}

# load_project BUILD: reads what CMake knows of the project into the shell, from the file
# that it writes into every build folder: MORVANE_VERSION and MORVANE_APP_ID. Fails when
# BUILD has not been configured.
load_project() {
  [ -f "$1/project.env" ] || fail "load_project" "$1 has not been configured (no project.env)"
  # shellcheck source=/dev/null
  source "$1/project.env"
}

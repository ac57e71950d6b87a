# Sourced by the scripts that make a Debian root. as_root COMMAND...: runs COMMAND as
# root, through sudo when not root already. fail STEP REASON: names the step that failed
# and the reason on standard error, after the script's name, and exits with 1.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

fail() {
  echo "$(basename "$0" .sh): step '$1' failed: $2" >&2
  exit 1
}

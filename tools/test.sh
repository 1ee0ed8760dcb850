#!/usr/bin/env bash
# Runs every test: host tests (native, sanitizers), Wine tests of the windows
# and dialogs, and a bounded fuzz run of the data-file readers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh"
"$root/tools/build.sh"

# One virtual screen for all Wine tests.
if [ -z "${DISPLAY:-}" ]; then
  exec 9< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!"; wait)
  read -r _ xvfb_pid <&9
  read -r display <&9
  export DISPLAY=":$display"
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
fi

passed=0
failed=0
step() {  # name command...: one group of tests
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name" >&2; fi
}
step "code format" "$root/tools/check-format.sh"
step "folder layers" "$root/tools/check-includes.sh"
step "host tests" ctest --test-dir "$root/build/host" --output-on-failure
# Wine's MCI playback thread has crashed, rarely, in the sound tests (never seen
# twice in a row): a group that fails is run once more, and both runs are shown.
step "Wine tests" ctest --test-dir "$root/build/win" --output-on-failure --repeat until-pass:2
step "fuzzing of the data-file readers" "$root/tools/run-fuzz.sh" "${POKOMI_FUZZ_SECONDS:-20}"
echo "groups: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

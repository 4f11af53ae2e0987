#!/usr/bin/env bash
# The one test command: installs what is missing, builds the native, sanitizer
# and Windows presets, runs every test suite (the Windows one under Wine) and
# prints a summary. Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || { echo "test: could not install the packages"; exit 1; }

declare -A result
failed=0
jobs=$(nproc 2>/dev/null || echo 2)

run_suite() {
  local preset=$1
  local start=$SECONDS
  echo "=== $preset: configure and build"
  if ! cmake --preset "$preset" >"build/$preset-configure.log" 2>&1; then
    cat "build/$preset-configure.log"
    result[$preset]="configure failed"; failed=1; return
  fi
  if ! cmake --build --preset "$preset" -j"$jobs" >"build/$preset-build.log" 2>&1; then
    grep -E 'error|Error' "build/$preset-build.log" | head -40
    result[$preset]="build failed"; failed=1; return
  fi
  echo "=== $preset: tests"
  local runner=()
  [ "$preset" = windows ] && runner=(scripts/wine-session.sh)
  if "${runner[@]}" ctest --preset "$preset" >"build/$preset-test.log" 2>&1; then
    result[$preset]="passed ($(grep -E "tests passed" "build/$preset-test.log" | tail -1), $((SECONDS - start)) s)"
  else
    cat "build/$preset-test.log" | tail -80
    result[$preset]="FAILED"; failed=1
  fi
  tail -3 "build/$preset-test.log"
}

mkdir -p build
for preset in native sanitize windows; do
  run_suite "$preset"
done

echo
echo "=== summary"
for preset in native sanitize windows; do
  printf '%-10s %s\n' "$preset" "${result[$preset]:-not run}"
done
exit $failed

#!/usr/bin/env bash
# Installs what is missing, builds, checks the Debian package (which installs
# it on this machine: see scripts/package-check.sh), and runs every test. The
# desktop tests run on Qt's offscreen platform: no display is needed. Then
# scripts/sanitize.sh runs the tests without the browser engine and the
# fuzzers under the sanitizers. The sources' layout (clang-format) and
# clang-tidy's checks of the logic libraries are part of the run. The last
# line is CTest's summary; a failed package check or style check fails the
# run after it.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$repo_root/scripts/setup.sh"

package_status=0
bash "$repo_root/scripts/package-check.sh" </dev/null || package_status=$?

# The house style: the layout of every source and clang-tidy's checks of the
# logic libraries. Either failing fails the run.
style_status=0
echo "== Checking the layout of the sources (clang-format)"
bash "$repo_root/scripts/format.sh" --check || style_status=$?
echo "== Checking the logic libraries (clang-tidy)"
bash "$repo_root/scripts/tidy.sh" "$repo_root/build" || style_status=$?

cd "$repo_root"
test_status=0
ctest --preset default -j "$(nproc)" </dev/null || test_status=$?

# Then the tests that need no browser engine, and each fuzzer for a minute,
# under AddressSanitizer and UndefinedBehaviorSanitizer; its CTest summary
# is the last line.
sanitize_status=0
bash "$repo_root/scripts/sanitize.sh" </dev/null || sanitize_status=$?
if [[ $test_status -ne 0 ]]; then
  exit "$test_status"
fi
if [[ $package_status -ne 0 ]]; then
  exit "$package_status"
fi
if [[ $style_status -ne 0 ]]; then
  echo "The sources do not keep the house style (see above): run scripts/format.sh, mend what clang-tidy names." >&2
  exit "$style_status"
fi
exit "$sanitize_status"

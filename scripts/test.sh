#!/usr/bin/env bash
# Installs what is missing, builds, checks the Debian package (which installs
# it on this machine: see scripts/package-check.sh), and runs every test. The
# desktop tests run on Qt's offscreen platform: no display is needed. Then
# scripts/sanitize.sh runs the tests without the browser engine and the
# fuzzers under the sanitizers. The last line is CTest's summary; a failed
# package check fails the run after it.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$repo_root/scripts/setup.sh"

package_status=0
bash "$repo_root/scripts/package-check.sh" </dev/null || package_status=$?

export QT_QPA_PLATFORM=offscreen
cd "$repo_root/build"
test_status=0
ctest --output-on-failure --timeout 600 -j "$(nproc)" </dev/null || test_status=$?

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
exit "$sanitize_status"

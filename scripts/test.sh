#!/usr/bin/env bash
# Installs what is missing, builds, checks the Debian package (which installs
# it on this machine: see scripts/package-check.sh), and runs every test. The
# desktop tests run on Qt's offscreen platform: no display is needed. The last
# line is CTest's summary; a failed package check fails the run after it.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$repo_root/scripts/setup.sh"

package_status=0
bash "$repo_root/scripts/package-check.sh" </dev/null || package_status=$?

export QT_QPA_PLATFORM=offscreen
cd "$repo_root/build"
ctest --output-on-failure --timeout 600 -j "$(nproc)" </dev/null
exit "$package_status"

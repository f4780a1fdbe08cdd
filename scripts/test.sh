#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. The desktop tests run
# on Qt's offscreen platform: no display is needed.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$repo_root/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
cd "$repo_root/build"
ctest --output-on-failure --timeout 600 -j "$(nproc)" </dev/null

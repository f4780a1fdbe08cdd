#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) on the logic libraries' sources, with the
# compile commands of a configured build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mapfile -t files < <(git ls-files 'src/store/*.cpp' 'src/host/*.cpp' 'src/pages/*.cpp' 'src/control/*.cpp' \
  'src/playback/*.cpp' 'src/navigation/*.cpp' 'src/layout/*.cpp' 'src/mushaf/*.cpp')
clang-tidy -p "$build" --quiet "${files[@]}"

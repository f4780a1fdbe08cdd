#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) with the compile commands of a configured build
# folder (default: build), the files shared among the machine's cores: every
# check on the logic libraries' sources (every folder of src/ but the desktop
# program's ui/ and the programs' app/), and the naming rules alone on ui/ and
# app/. Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mapfile -t logic_dirs < <(find src -mindepth 1 -maxdepth 1 -type d ! -name ui ! -name app -printf '%f\n' | sort)
patterns=()
for dir in "${logic_dirs[@]}"; do patterns+=("src/$dir/*.cpp"); done
header_filter="src/($(IFS='|'; echo "${logic_dirs[*]}"))/"
git ls-files "${patterns[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' --header-filter="$header_filter"
git ls-files 'src/ui/*.cpp' 'src/app/*.cpp' |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
    --checks='-*,readability-identifier-naming' --header-filter='src/(ui|app)/'

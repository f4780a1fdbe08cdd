#!/usr/bin/env bash
# Builds Tilvora (as scripts/setup.sh does) and runs every benchmark. Each
# prints its own figures, measured as ratios against a baseline in the same run.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$repo_root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
for bench in "$repo_root"/build/bin/*_bench "$repo_root"/build/bin/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench"
done

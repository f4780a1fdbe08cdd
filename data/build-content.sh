#!/usr/bin/env bash
# Builds the content of an application folder: DIC.DAT, the four picker
# pages and the demo voice's audio (media/demo/), from the data packages
# pinned in package-lock.json.
#
# usage: data/build-content.sh APPFOLDER FOLDTOOL
#
# FOLDTOOL is the program's tilvora-fold, which folds the searchable texts
# exactly as the program folds a search text.
#
# Safe to run again at any time: the data packages are installed only when
# node_modules is missing or was installed from another lock file, and the
# new content replaces the old only once it is complete and checked.
set -euo pipefail

die() {
  echo "build-content: $*" >&2
  exit 1
}

[[ $# -eq 2 && -n "$1" && -n "$2" ]] || die "usage: $0 APPFOLDER FOLDTOOL"
app_folder=$1
fold_tool=$2
[[ -x "$fold_tool" ]] || die "the folding tool $fold_tool is missing (build the tilvora-fold target)"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

for tool in node npm sqlite3; do
  command -v "$tool" >/dev/null || die "$tool is required (Debian packages: nodejs npm sqlite3)"
done
node_major=$(node -p 'process.versions.node.split(".")[0]')
((node_major >= 18)) || die "Node.js 18 or later is required, found $(node --version)"

# Install the pinned packages when node_modules does not match the lock file.
# The stamp holds the checksum of the lock file they were installed from.
lock_sum=$(sha256sum "$here/package-lock.json" | cut -d' ' -f1)
stamp="$here/node_modules/.tilvora-lock-sha256"
if [[ ! -f "$stamp" || "$(cat "$stamp")" != "$lock_sum" ]]; then
  echo "build-content: installing the pinned data packages"
  (cd "$here" && npm ci --ignore-scripts --omit=optional --no-audit --no-fund --loglevel=error) \
    || die "npm ci failed (is the npm registry reachable?)"
  echo "$lock_sum" >"$stamp"
fi

mkdir -p "$app_folder"
# Scratch folders left by a build that was killed half-way.
rm -rf "$app_folder"/.content-build-*
node "$here/generate.mjs" "$app_folder" --fold "$fold_tool" || die "content build failed; the previous content, if any, is unchanged"

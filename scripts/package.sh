#!/usr/bin/env bash
# Builds the Debian package build/tilvora_<version>_<arch>.deb: installs what
# is missing, builds (scripts/setup.sh), then packs what `cmake --install`
# installs under /usr with CPack.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$repo_root/scripts/setup.sh"

cd "$repo_root/build"
rm -f tilvora_*.deb
echo "== Packing"
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
ls tilvora_*.deb

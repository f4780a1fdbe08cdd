#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tilvora on its built-in content.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$repo_root/scripts/setup.sh"

app="$repo_root/build/bin"
if [ -x "$app/tilvora" ]; then
  # The browser engine refuses to start as root unless its sandbox is off;
  # the program does that for itself.
  exec "$app/tilvora" "$@"
fi
# Without the desktop program, the text host starts on the same content and
# reads events from the terminal (end the input with Ctrl-D).
exec "$app/tilvora-cli" "$@"

#!/usr/bin/env bash
# Installs what Tilvora needs on a Debian 12 machine (only what is missing),
# then configures and builds it into build/. The build also makes the content:
# build/bin/DIC.DAT, the picker pages and the demo voice.
# Sourced by scripts/run.sh and scripts/test.sh; can be run alone.
set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The build and its tests; the recordings' decoders (MP3: -good, WMA: -ugly
# and -libav); Arabic (Amiri and Amiri Quran, Scheherazade, Noto Naskh Arabic
# in noto-core: the reader's choice of Arabic font), the interface (DejaVu Sans
# Condensed is in -extra), Bengali (Noto) and Chinese (WenQuanYi); xdg-open, which opens web
# links in the desktop's browser; espeak-ng and lame make the demo voice,
# ffmpeg the player tests' audio; libgstreamer1.0-dev the player strip's
# playbin; rsvg-convert draws the icon's PNG sizes and
# dpkg-dev computes the Debian package's dependencies; gst-launch-1.0
# (-tools) decodes chapter recordings for finding their verses' starts;
# clang with its runtime builds the sanitizer run and the fuzzers,
# clang-format and clang-tidy keep the house style; Qt Linguist's tools
# (lupdate, lrelease and their CMake functions) make the interface's
# translations, and Qt's own translations give its standard dialogs the
# reader's language.
packages=(
  build-essential cmake ninja-build pkg-config git librsvg2-bin dpkg-dev
  qt6-base-dev qt6-webengine-dev libqt6sql6-sqlite
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libsqlite3-dev sqlite3 libgtest-dev libgmock-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
  gstreamer1.0-tools libgstreamer1.0-dev
  fonts-hosny-amiri fonts-sil-scheherazade fonts-dejavu-core fonts-dejavu-extra fonts-noto-core fonts-wqy-microhei
  xdg-utils
  espeak-ng lame ffmpeg
  clang libclang-rt-14-dev clang-format clang-tidy
)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== Installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

echo "== Configuring and building in $repo_root/build (the default preset)"
cd "$repo_root"
cmake --preset default
cmake --build --preset default -j "$(nproc)"

#!/usr/bin/env bash
# Builds the Debian package and checks it as a reader's computer takes it:
# the desktop entry and the software centre's description validate, lintian
# finds no error, and the package installs with apt-get, first as an earlier
# content build, then over it. After each install the installed tilvora-cli
# runs as a user who may not write to the installed folder: it renders
# chapter 1 and recites 1:3 from that user's own folder, and the voice folder
# the user set before the upgrade is still set after it.
#
# Installs the package on this machine (as root, or through sudo). Prints
# "package: all checks passed" or the failures, and exits non-zero on failure.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
apt_get() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -q -o Dpkg::Use-Pty=0 "$@" </dev/null
}

tools=(lintian desktop-file-utils appstream sqlite3 util-linux)
missing=()
for package in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== Installing: ${missing[*]}"
  apt_get update
  apt_get install -y "${missing[@]}"
fi

bash "$repo_root/scripts/package.sh"
cd "$repo_root"
debs=(build/tilvora_*.deb)
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

echo "== Validating $deb"
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/tilvora.desktop" || fail "desktop-file-validate"
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "${metainfo[@]}" || fail "appstreamcli validate"
for size in 48 64 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/tilvora.png"
  [[ $(head -c 8 "$icon" 2>/dev/null | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "no PNG icon $icon"
done
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>"$work/lintian.err" || fail "lintian reports errors: $(cat "$work/lintian.err")"
sed 's/^/lintian: /' "$work/lintian.txt"
echo "Installed-Size: $(dpkg-deb -f "$deb" Installed-Size) KiB"

# The user runs with a home of its own; the installed folder is root's.
home="$work/home"
mkdir -p "$home"
chmod 755 "$work"
chown nobody "$home"
own="$home/.local/share/tilvora"
run_as_user() { # EVENTS OUTPUT
  printf '%s' "$1" | runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin /usr/bin/tilvora-cli >"$2" 2>"$2.err" ||
    fail "tilvora-cli as nobody failed: $(cat "$2.err")"
}
voice_folder() { # MASTERID
  sqlite3 "$own/DIC.DAT" "SELECT Data FROM AP_Master_TAB WHERE MasterID = $1;"
}
has_program() { # MASTERID
  [[ $(sqlite3 "$own/DIC.DAT" "SELECT count(*) FROM AP_Master_TAB WHERE MasterID = $1;") == 1 ]]
}
check_reading() { # OUTPUT
  grep -qF $'navigate\tWebMain\t'"$own/Main.htm" "$1" || fail "chapter 1 was not shown from $own: $(head -c 600 "$1")"
  grep -qE $'^label\t.*/7$' "$1" || fail "the reading page does not hold chapter 1's seven verses"
  [[ -f $own/Main.htm ]] || fail "the reading page was not written into $own"
  local url
  url=$(grep -P '^player\turl\t' "$1" | cut -f3)
  [[ $url == "$own/media/demo/001.mp3" && -f $url ]] || fail "1:3 was not recited from the demo recording in $own (player url: $url)"
  grep -qP '^player\tposition\t[0-9.]+$' "$1" && grep -qP '^player\tplay$' "$1" || fail "1:3 was not played from its position"
}

echo "== Installing an earlier content build: $version~earlier"
# The same package with a content build that lacks one translation.
earlier="$work/earlier"
dpkg-deb -R "$deb" "$earlier"
sqlite3 "$earlier/usr/lib/tilvora/DIC.DAT" "DELETE FROM AP_Master_TAB WHERE MasterID = 21;"
sed -i "s/^Version: .*/Version: $version~earlier/" "$earlier/DEBIAN/control"
(cd "$earlier" && find usr -type f -print0 | sort -z | xargs -0 md5sum >DEBIAN/md5sums)
dpkg-deb --root-owner-group -b "$earlier" "$work/tilvora_earlier.deb" >/dev/null
apt_get install -y --allow-downgrades "$work/tilvora_earlier.deb" >"$work/apt-earlier.log" 2>&1 ||
  { cat "$work/apt-earlier.log" >&2; fail "apt-get install of the earlier package"; }

reciter="$home/My reciter's folder"
run_as_user $'command\t__Surah = 1\ndblclick\t3\ndialog\taccept\t'"$reciter"$'\nmenu\t1\n' "$work/earlier.out"
check_reading "$work/earlier.out"
[[ $(voice_folder 32) == "$reciter" ]] || fail "the reader's voice folder was not set: $(voice_folder 32)"
! has_program 21 || fail "the earlier content build was not the one in $own"

echo "== Upgrading with apt-get install ./$deb"
apt_get install -y "./$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get install ./$deb"; }
[[ $(dpkg-query -W -f='${Version}' tilvora) == "$version" ]] || fail "tilvora $version is not the installed version"
run_as_user $'command\t__Surah = 1\ndblclick\t3\n' "$work/upgraded.out"
check_reading "$work/upgraded.out"
has_program 21 || fail "the upgrade did not bring the new content into $own"
[[ $(voice_folder 32) == "$reciter" ]] || fail "the upgrade lost the reader's voice folder: '$(voice_folder 32)'"
[[ -z $(find "$home/.local/share" -maxdepth 1 -name '.tilvora-*' ! -name '.tilvora.lock') ]] ||
  fail "the upgrade left folders behind: $(ls -a "$home/.local/share")"

if ((failures > 0)); then
  echo "package: $failures check(s) failed" >&2
  exit 1
fi
echo "package: all checks passed"

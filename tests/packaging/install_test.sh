#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there:
# the application folder with programs, content and recordings, the commands,
# the desktop entry and icons, the demo voice's folder relative to the
# application folder; then runs the installed text program, which runs from
# the reader's own folder: as this user and (as root) as a user who may not
# write to the installed folder.
#
# usage: install_test.sh BUILD_DIR BUILT_APP_FOLDER LIBDIR SQLITE3
set -euo pipefail
build=$1
built_app=$2
libdir=$3
sqlite=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
app="$prefix/$libdir/tilvora"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
}

echo "== layout"
for program in "$app/tilvora" "$app/tilvora-cli" "$prefix/bin/tilvora" "$prefix/bin/tilvora-cli"; do
  [[ -x $program ]] || fail "$program is not an executable"
done
for file in DIC.DAT WebSearch.Htm WebSurah.Htm WebWord.Htm WebSubject.Htm; do
  [[ -f $app/$file ]] || fail "$app/$file is missing"
done
for page in Main.htm Control.htm; do
  [[ ! -e $app/$page ]] || fail "$page, a page the program writes, was installed"
done
[[ -f $app/media/demo/001.mp3 ]] || fail "the demo voice's recordings are missing"
[[ -f $app/tilvora-shared ]] || fail "the installed folder is not marked as shared"
desktop="$prefix/share/applications/tilvora.desktop"
grep -qxF "Exec=\"$prefix/bin/tilvora\"" "$desktop" || fail "$desktop does not start $prefix/bin/tilvora"
grep -qx "Icon=tilvora" "$desktop" || fail "$desktop names no icon"
for icon in scalable/apps/tilvora.svg 48x48/apps/tilvora.png 256x256/apps/tilvora.png; do
  [[ -f $prefix/share/icons/hicolor/$icon ]] || fail "the icon $icon is missing"
done
compgen -G "$prefix/share/metainfo/*.metainfo.xml" >/dev/null || fail "the software centre's description is missing"

echo "== voice folders"
demo=$("$sqlite" "$app/DIC.DAT" "SELECT count(*) FROM AP_Master_TAB WHERE Data = 'media/demo';")
[[ $demo == 1 ]] || fail "the demo voice's folder is not media/demo, relative to the application folder"
absolute=$("$sqlite" "$app/DIC.DAT" "SELECT count(*) FROM AP_Master_TAB WHERE substr(Data, 1, 1) = '/';")
[[ $absolute == 0 ]] || fail "$absolute voice(s) name an absolute folder"

# The installed program renders chapter 1 and recites its first verse with
# the demo voice from the installed recordings.
events=$'dblclick\t1\n'
check_run() { # OUTPUT APPFOLDER
  grep -qF $'navigate\tWebMain\t'"$2/Main.htm" "$1" || fail "no reading page in $2: $(head -c 600 "$1")"
  local url
  url=$(grep -P '^player\turl\t' "$1" | cut -f3)
  [[ $url == */media/demo/001.mp3 && -f $url ]] || fail "the verse did not play from the demo voice's recordings: $url"
  [[ $(readlink -f "$url") == $(readlink -f "$app/media/demo/001.mp3") ]] \
    || fail "$url is not the installed recording $app/media/demo/001.mp3"
  [[ -f $2/Main.htm ]] || fail "the reading page was not written into $2"
}

echo "== run from this user's own folder"
own_home="$work/own-home"
mkdir -p "$own_home"
printf '%s' "$events" | env -u XDG_DATA_HOME HOME="$own_home" "$prefix/bin/tilvora-cli" >"$work/run.out" 2>"$work/run.err" ||
  fail "tilvora-cli failed: $(cat "$work/run.err")"
check_run "$work/run.out" "$own_home/.local/share/tilvora"
[[ ! -e $app/Main.htm ]] || fail "the run wrote into the installed folder"

if [[ $(id -u) == 0 ]] && command -v runuser >/dev/null; then
  echo "== run as a user who may not write to the installed folder"
  chmod 755 "$work"
  home="$work/home"
  mkdir -p "$home"
  chown nobody "$home"
  own="$home/.local/share/tilvora"
  for round in first second; do
    printf '%s' "$events" | runuser -u nobody -- env -i HOME="$home" PATH="$PATH" "$prefix/bin/tilvora-cli" \
      >"$work/user.out" 2>"$work/user.err" || fail "tilvora-cli as nobody ($round run) failed: $(cat "$work/user.err")"
    check_run "$work/user.out" "$own"
  done
  [[ ! -e $app/Main.htm ]] || fail "the user's run wrote into the installed folder"
  [[ -f $own/DIC.DAT && ! -L $own/DIC.DAT ]] || fail "the user has no DIC.DAT of their own"
else
  echo "== (not root: the run as another user is skipped)"
fi

if ((failures > 0)); then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "install: all checks passed"

#!/usr/bin/env bash
# `cmake --install` into a scratch root puts every file where a Linux desktop
# looks for it, and the installed command-line program runs from there.
# Argument 1: the build's bin folder; the build folder is its parent.
set -euo pipefail

bin=${1:?usage: install_layout.sh BIN_DIR}
build=$(cd "$bin/.." && pwd)
id=example.morvane.Morvane
# A space in the root catches install rules that split paths.
root=$(mktemp -d "${TMPDIR:-/tmp}/morvane install.XXXXXX")
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" --prefix /usr >"$root.log" 2>&1 ||
  { cat "$root.log" >&2; rm -f "$root.log"; echo "FAIL: cmake --install" >&2; exit 1; }
rm -f "$root.log"
usr=$root/usr

expect_file() { [[ -f $usr/$1 ]] || fail "missing /usr/$1"; }
expect_png() {
  expect_file "$1"
  [[ -f $usr/$1 ]] || return 0
  file -b "$usr/$1" | grep -q "PNG image data, $2 x $2," || fail "/usr/$1 is not a $2×$2 PNG: $(file -b "$usr/$1")"
}

[[ -x $usr/bin/morvane-extract ]] || fail "missing /usr/bin/morvane-extract"
if [[ -e $bin/morvane ]]; then
  [[ -x $usr/bin/morvane ]] || fail "missing /usr/bin/morvane"
  expect_file "share/applications/$id.desktop"
  expect_file "share/icons/hicolor/scalable/apps/$id.svg"
  expect_png "share/icons/hicolor/48x48/apps/$id.png" 48
  expect_png "share/icons/hicolor/256x256/apps/$id.png" 256
else
  echo "note: built without the desktop program; its files are not checked"
fi

man_page=$(ls "$usr/share/man/man1/morvane-extract.1"* 2>/dev/null | head -n 1 || true)
if [[ -z $man_page ]]; then
  fail "missing /usr/share/man/man1/morvane-extract.1(.gz)"
elif command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 man --warnings -l "$man_page" 2>&1 >/dev/null) || fail "man cannot show $man_page"
  [[ -z $warnings ]] || fail "man page warnings: $warnings"
fi

# Installed programs must not lean on the build tree (a shared library of ours
# that is not installed, a build RPATH).
for program in "$usr"/bin/*; do
  missing=$(ldd "$program" 2>&1 | grep 'not found' || true)
  [[ -z $missing ]] || fail "$(basename "$program") needs libraries that are not installed: $missing"
  if readelf -d "$program" 2>/dev/null | grep -qE '\((RPATH|RUNPATH)\).*'"$build"; then
    fail "$(basename "$program") keeps an RPATH into the build folder"
  fi
done

if [[ -x $usr/bin/morvane-extract ]]; then
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
  out=$("$usr/bin/morvane-extract" --version 2>&1) || fail "installed morvane-extract --version failed: $out"
  [[ $out == *"$version"* ]] || fail "installed morvane-extract --version says '$out', the project is $version"
  got=$(printf 'QQ:0012345 x 678\n' | "$usr/bin/morvane-extract" | od -An -c | tr -s ' ')
  want=$(printf '12345\r\n' | od -An -c | tr -s ' ')
  [[ $got == "$want" ]] || fail "installed morvane-extract wrote '$got', expected '$want'"
fi

((failures == 0)) || exit 1
echo "install layout OK"

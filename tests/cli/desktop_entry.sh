#!/usr/bin/env bash
# The menu entry: valid for the desktop, and pointing at an icon we ship and a
# program we build (a typo in either leaves a blank or dead menu item that no
# validator notices).
# Argument 1: the build's bin folder.
set -euo pipefail

bin=${1:?usage: desktop_entry.sh BIN_DIR}
dist=$(cd "$(dirname "$0")/../../dist" && pwd)
id=example.morvane.Morvane
entry=$dist/$id.desktop
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

command -v desktop-file-validate >/dev/null ||
  { echo "FAIL: desktop-file-validate missing (Debian desktop-file-utils, see scripts/install-deps)" >&2; exit 1; }

# desktop-file-validate exits 0 on mere hints; a warning is just as much a fault here.
if ! report=$(desktop-file-validate "$entry" 2>&1) || [[ -n $report ]]; then
  fail "desktop-file-validate: $report"
fi

key() { sed -n "s/^$1=//p" "$entry"; }

[[ $(key Type) == Application ]] || fail "Type is '$(key Type)'"
[[ $(key Name) == Morvane ]] || fail "Name is '$(key Name)'"
[[ $(key Terminal) == false ]] || fail "Terminal is '$(key Terminal)'"
[[ $(key Categories) == "Utility;TextTools;" ]] || fail "Categories is '$(key Categories)'"
for k in 'Name\[zh_CN\]' 'Comment\[zh_CN\]' Comment GenericName; do
  [[ -n $(key "$k") ]] || fail "$k is missing"
done
# The Chinese texts must be real characters, not mojibake or escapes.
key 'Name\[zh_CN\]' | LC_ALL=C.UTF-8 grep -qP '\p{Han}' || fail "Name[zh_CN] holds no Chinese: '$(key 'Name\[zh_CN\]')'"

icon=$(key Icon)
[[ $icon == "$id" ]] || fail "Icon is '$icon', the icons are installed as $id"
for f in "$dist/$icon.svg" "$dist/icons/48x48/$icon.png" "$dist/icons/256x256/$icon.png"; do
  [[ -f $f ]] || fail "no icon file $f"
done

program=$(key Exec | awk '{print $1}')
[[ $program == morvane ]] || fail "Exec runs '$program'"
if [[ -e $bin/morvane ]]; then
  [[ -x $bin/$program ]] || fail "Exec runs '$program', which the build does not make"
fi

((failures == 0)) || exit 1
echo "desktop entry OK"

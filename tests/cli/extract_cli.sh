#!/usr/bin/env bash
# morvane-extract as a user meets it: files and pipes in and out, exit codes, messages,
# and an existing output file that survives every failed run.
# Argument 1: the build's bin folder.
set -uo pipefail

bin=${1:?usage: extract_cli.sh BIN_DIR}
extract=$bin/morvane-extract
work=$(mktemp -d "${TMPDIR:-/tmp}/morvane cli 提取.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect_run NAME EXIT_CODE COMMAND...: runs it, keeps its stderr in $work/err.
expect_run() {
  local name=$1 code=$2
  shift 2
  "$@" 2>"$work/err"
  local got=$?
  [[ $got == "$code" ]] || fail "$name: exit $got, expected $code ($(cat "$work/err"))"
}
expect_bytes() {  # NAME FILE EXPECTED_BYTES (printf format)
  printf "$3" >"$work/expected"
  cmp -s "$2" "$work/expected" || fail "$1: got $(od -c "$2" | head -n 3)"
}
expect_message() {  # NAME PATTERN: one line on stderr, matching
  [[ $(wc -l <"$work/err") == 1 ]] || fail "$1: stderr is not one line: $(cat "$work/err")"
  grep -q -- "$2" "$work/err" || fail "$1: stderr '$(cat "$work/err")' lacks '$2'"
}

# A GBK chat line, a UTF-8 line with a mark, CR LF lines, leading zeros, a short run,
# a twenty-digit run and a repeated number.
input="$work/聊天 记录.txt"
printf '\xc7\xeb\xbc\xd3QQ 12345\xa3\xac\r\n\xef\xbb\xbf\xe5\xa5\xbd\xe5\x8f\x8b0067890 1234\r\n12345678901234567890 12345' >"$input"
list='12345\r\n67890\r\n12345678901234567890\r\n12345\r\n'

output="$work/QQ号码 列表.txt"
expect_run "file to file" 0 "$extract" "$input" -o "$output"
expect_bytes "file to file" "$output" "$list"
[[ -s $work/err ]] && fail "file to file: stderr not empty: $(cat "$work/err")"

expect_run "stdin to stdout" 0 sh -c '"$1" <"$2" >"$3"' _ "$extract" "$input" "$work/piped"
expect_bytes "stdin to stdout" "$work/piped" "$list"
expect_run "dash is stdin" 0 sh -c 'cat "$2" | "$1" - >"$3"' _ "$extract" "$input" "$work/dash"
expect_bytes "dash is stdin" "$work/dash" "$list"

printf '\xff\xfe1\x002\x003\x004\x005\x00 \x009\x009\x009\x009\x009\x00\x00\x001\x001\x00' >"$work/utf16le.txt"
expect_run "UTF-16 LE" 0 "$extract" "$work/utf16le.txt" -o "$work/utf16.out"
expect_bytes "UTF-16 LE" "$work/utf16.out" '12345\r\n99999\r\n'
printf '12345\x0067890' >"$work/zero.txt"
expect_run "zero byte" 0 "$extract" "$work/zero.txt" -o "$work/zero.out"
expect_bytes "zero byte" "$work/zero.out" '12345\r\n'
: >"$work/empty.txt"
expect_run "empty input" 0 "$extract" "$work/empty.txt" -o "$work/empty.out"
[[ -f $work/empty.out && ! -s $work/empty.out ]] || fail "empty input: no empty output file"

# Failures: exit 1, one line on stderr, and the existing output left as it was.
kept="$work/kept.txt"
printf 'an older list' >"$kept"
expect_run "missing input" 1 "$extract" "$work/missing.txt" -o "$kept"
expect_message "missing input" "morvane-extract: cannot read .*missing.txt.*: No such file or directory"
expect_run "folder as input" 1 "$extract" "$work" -o "$kept"
expect_message "folder as input" "Is a directory"
expect_run "missing output folder" 1 "$extract" "$input" -o "$work/nowhere/out.txt"
expect_message "missing output folder" "cannot write .*nowhere/out.txt.*: No such file or directory"
expect_run "folder as output" 1 "$extract" "$input" -o "$work"
expect_message "folder as output" "Is a directory"
expect_run "full disk on stdout" 1 sh -c '"$1" "$2" >/dev/full' _ "$extract" "$input"
expect_message "full disk on stdout" "cannot write standard output: No space left on device"
expect_run "full device as output" 1 "$extract" "$input" -o /dev/full
expect_message "full device as output" "No space left on device"
if [[ $(id -u) != 0 ]]; then
  chmod 444 "$kept"
  expect_run "read-only output" 1 "$extract" "$input" -o "$kept"
  expect_message "read-only output" "Permission denied"
  chmod 644 "$kept"
fi
expect_bytes "failed runs" "$kept" 'an older list'
leftovers=$(find "$work" -name '.morvane-*' | wc -l)
[[ $leftovers == 0 ]] || fail "$leftovers temporary files left behind"

# Usage: exit 2 for mistakes, 0 for --help and --version.
expect_run "unknown option" 2 "$extract" --bogus "$input"
expect_run "two inputs" 2 "$extract" "$input" "$input"
expect_run "-o without a name" 2 "$extract" "$input" -o
expect_run "help" 0 sh -c '"$1" --help >"$2"' _ "$extract" "$work/help"
grep -q "Usage: morvane-extract" "$work/help" || fail "help: no usage line"
expect_run "version" 0 sh -c '"$1" --version >"$2"' _ "$extract" "$work/version"
grep -Eqx '[0-9]+\.[0-9]+\.[0-9]+' "$work/version" || fail "version: $(cat "$work/version")"

((failures == 0)) || { echo "$failures failures" >&2; exit 1; }
echo "morvane-extract behaves"

#!/usr/bin/env bash
# morvane-extract streams: inputs of hundreds of MiB pass through a process whose
# address space is held far below their size, and every number still comes out.
# Argument 1: the build's bin folder.
# Not -e or pipefail: `yes` ends by SIGPIPE, and the outputs are compared anyway.
set -u

bin=${1:?usage: bounded_memory.sh BIN_DIR}
extract=$bin/morvane-extract
limit_kib=$((64 * 1024))
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Generated through pipes, so nothing of this size touches the disk.
limited() { (ulimit -v "$limit_kib" && exec "$extract"); }

# A dense member list: 32-byte lines, two numbers each.
size=$((256 * 1024 * 1024))
lines=$((size / 32))
got=$(yes 'QQ 123456789 好友 0012345 abc' | head -c "$size" | limited | md5sum)
want=$(yes $'123456789\r\n12345\r' | head -n $((lines * 2)) | md5sum)
[[ $got == "$want" ]] || fail "member list: the numbers differ"

# One run of digits longer than any buffer: a single number, written as it is read.
run=$((128 * 1024 * 1024))
got=$(head -c "$run" /dev/zero | tr '\0' '7' | limited | wc -c)
[[ $got == $((run + 2)) ]] || fail "one long run: $got bytes out, expected $((run + 2))"

((failures == 0)) || exit 1
echo "bounded memory: both inputs passed under a ${limit_kib} KiB address-space limit"

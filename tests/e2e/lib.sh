# Shared helpers of the end-to-end tests: sourced, never run on its own.
# Each test gets its own X server on a free display, and everything a test starts
# is stopped when it ends, whichever way it ends.

set -euo pipefail

E2E_PIDS=()
E2E_TMP=$(mktemp -d)

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Remembers a process to stop at the end.
track() { E2E_PIDS+=("$1"); }

# alive PID: true while the process runs (an ended child not yet waited for is
# a zombie, which kill -0 still finds).
alive() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
    [[ $state != Z* ]]
}

# start_xvfb WIDTHxHEIGHT: starts an X server on a free display and exports DISPLAY.
# Xvfb picks the display itself (-displayfd), so parallel tests never collide.
start_xvfb() {
    local size=$1 fifo="$E2E_TMP/displayfd.$RANDOM" display
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    track $!
    read -r -t 20 display <"$fifo" || fail "Xvfb ($size) did not start"
    rm -f "$fifo"
    export DISPLAY=":$display"
}

# stop_xvfb: stops the X server that start_xvfb started last.
stop_xvfb() {
    local last=$((${#E2E_PIDS[@]} - 1)) pid
    for ((; last >= 0; last--)); do
        pid=${E2E_PIDS[$last]}
        if [[ $(ps -o comm= -p "$pid" 2>/dev/null) == Xvfb ]]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            return
        fi
    done
}

# wait_window PID NAME-REGEX [SECONDS]: prints the id of a visible window of the
# process whose name matches, once there is one.
wait_window() {
    local pid=$1 name=$2 timeout=${3:-20} id deadline=$((SECONDS + ${3:-20}))
    while ((SECONDS < deadline)); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | head -n 1 || true)
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        alive "$pid" || fail "process $pid ended before its window \"$name\" appeared"
        sleep 0.2
    done
    fail "no window \"$name\" of process $pid within ${timeout}s"
}

# window_geometry ID: prints "X Y WIDTH HEIGHT" of the window on the screen
# (with no window manager there is no frame, so this is the outer size too).
window_geometry() {
    local info x y w h
    info=$(xwininfo -id "$1")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    w=$(awk '/Width:/ {print $2}' <<<"$info")
    h=$(awk '/Height:/ {print $2}' <<<"$info")
    echo "$x $y $w $h"
}

# wait_exit PID [SECONDS]: waits for a tracked process to end and sets EXIT_CODE.
# Call it directly, not in $(...): a subshell can't collect the exit code.
wait_exit() {
    local pid=$1 timeout=${2:-20} deadline=$((SECONDS + ${2:-20}))
    while ((SECONDS < deadline)); do
        if ! alive "$pid"; then
            EXIT_CODE=0
            wait "$pid" || EXIT_CODE=$?
            return 0
        fi
        sleep 0.1
    done
    fail "process $pid still running after ${timeout}s"
}

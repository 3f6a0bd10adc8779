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

# wait_window_gone ID [SECONDS]: waits until the window is no longer on the screen.
wait_window_gone() {
    local id=$1 timeout=${2:-20} deadline=$((SECONDS + ${2:-20}))
    while ((SECONDS < deadline)); do
        [[ $(xwininfo -id "$id" 2>/dev/null | awk '/Map State:/ {print $3}') == IsViewable ]] || return 0
        sleep 0.1
    done
    fail "window $id still on the screen after ${timeout}s"
}

# expect_no_window PID NAME-REGEX [SECONDS]: fails if a visible window of the process
# whose name matches shows up within the time, which may have a fraction (what must
# not happen can only be watched for a while).
expect_no_window() {
    local pid=$1 name=$2 polls i
    polls=$(awk -v s="${3:-2}" 'BEGIN { print int(s * 10 + 0.5) }')
    for ((i = 0; i < polls; i++)); do
        if [[ -n $(xdotool search --all --onlyvisible --pid "$pid" --name "$name" 2>/dev/null || true) ]]; then
            fail "a window \"$name\" of process $pid appeared where none should"
        fi
        sleep 0.1
    done
}

# click_at ID X Y: clicks at a place given relative to the window's top-left corner.
click_at() {
    local wx wy w h
    read -r wx wy w h <<<"$(window_geometry "$1")"
    xdotool mousemove --sync $((wx + $2)) $((wy + $3)) click 1
}

# set_clipboard TEXT: puts the text on the clipboard, as a person copying it elsewhere
# would. xclip serves it from the background until another program takes the
# clipboard over, or the X server ends. Its background copy may claim the clipboard
# a moment after xclip returns, and a later claim would win over the program's own
# copy, so this waits until the text can be read back.
set_clipboard() {
    local deadline=$((SECONDS + 10))
    printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1
    while ((SECONDS < deadline)); do
        [[ $(xclip -selection clipboard -o 2>/dev/null || true) == "$1" ]] && return 0
        sleep 0.05
    done
    fail "the clipboard did not take \"$1\""
}

# copy_focused_text: selects all of the focused text (ctrl+a ctrl+c) and prints what
# reached the clipboard. The keys are handled some time after xdotool sends them, so a
# marker put there first tells a finished copy from the old contents.
copy_focused_text() {
    local marker="<e2e-marker-$RANDOM$RANDOM>" text deadline=$((SECONDS + 10))
    set_clipboard "$marker"
    xdotool key ctrl+a ctrl+c
    while ((SECONDS < deadline)); do
        text=$(xclip -selection clipboard -o 2>/dev/null || true)
        if [[ -n $text && $text != "$marker" ]]; then
            printf '%s\n' "$text"
            return 0
        fi
        sleep 0.1
    done
    fail "nothing was copied from the focused text"
}

# enter_text WINDOW TEXT: replaces the text of the window's focused field by TEXT,
# typed key by key, and checks it arrived whole before the caller confirms it.
enter_text() {
    local got
    xdotool windowfocus --sync "$1" key ctrl+a
    xdotool type --delay 20 -- "$2"
    got=$(copy_focused_text)
    [[ $got == "$2" ]] || fail "typed \"$2\", the field holds \"$got\""
}

# paste_text WINDOW TEXT: the same by pasting (ctrl+v), for what xdotool can't type,
# Chinese among it.
paste_text() {
    local got
    set_clipboard "$2"
    xdotool windowfocus --sync "$1" key ctrl+a ctrl+v
    got=$(copy_focused_text)
    [[ $got == "$2" ]] || fail "pasted \"$2\", the field holds \"$got\""
}

# message_text BOX: prints the text of a message box. Its text is selectable with the
# mouse: a click into it gives it the focus, then it is copied like a field's.
message_text() {
    local bw bh
    read -r _ _ bw bh <<<"$(window_geometry "$1")"
    # The text sits above the row of buttons, across the whole box.
    click_at "$1" $((bw / 2)) $(((bh - 40) / 2))
    copy_focused_text
}

# colour_pixels X Y WIDTH HEIGHT blue|red: counts the pixels of that screen rectangle
# close to pure blue or pure red (antialiased text has few exact ones).
colour_pixels() {
    import -window root -crop "${3}x${4}+${1}+${2}" +repage -depth 8 txt:- |
        awk -v want="$5" -F '[(),]' 'NR > 1 {
            r = $3; g = $4; b = $5
            if (want == "blue" && b >= 180 && r <= 80 && g <= 80) n++
            if (want == "red" && r >= 180 && g <= 80 && b <= 80) n++
        } END { print n + 0 }'
}

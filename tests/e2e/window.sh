#!/usr/bin/env bash
# The real program on a real X server: the window's title, size and centred place
# on two screen sizes, its working directory, independent copies, and Esc ending
# it with exit code 0.
source "$(dirname "$0")/lib.sh"

bin=$(cd "$1" && pwd)
program="$bin/morvane"
[[ -x $program ]] || fail "no program at $program"

# A copy in a folder whose name has a space and Chinese characters, started from
# elsewhere with arguments, Qt's own options among them, that must change nothing.
folder="$E2E_TMP/程序 目录"
mkdir -p "$folder" "$E2E_TMP/elsewhere"
cp "$program" "$folder/morvane"

start() {
    (cd "$E2E_TMP/elsewhere" && exec "$@") >/dev/null 2>&1 &
    track $!
}

# close_with_esc PID WINDOW: presses Esc in the window; checks the exit code is 0.
close_with_esc() {
    xdotool windowfocus --sync "$2" key Escape
    wait_exit "$1"
    [[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE after Esc, expected 0"
}

for screen in "1024x768 328 263" "1920x1080 776 419"; do
    read -r size x y <<<"$screen"
    start_xvfb "$size"

    start "$folder/morvane" -reverse -qwindowgeometry 100x100+0+0 --unknown 文件.txt
    first=$!
    id=$(wait_window "$first" '^Morvane$')
    geometry=$(window_geometry "$id")
    [[ $geometry == "$x $y 368 241" ]] || fail "on $size the window is at \"$geometry\", expected \"$x $y 368 241\""
    cwd=$(readlink "/proc/$first/cwd")
    [[ $cwd == "$folder" ]] || fail "working directory \"$cwd\", expected \"$folder\""

    # A second copy opens its own window beside the first and outlives its closing.
    start "$program"
    second=$!
    other=$(wait_window "$second" '^Morvane$')
    [[ $other != "$id" ]] || fail "the second copy shows no window of its own"
    close_with_esc "$first" "$id"
    alive "$second" || fail "closing one copy ended the other"
    close_with_esc "$second" "$other"

    stop_xvfb
done
echo "e2e window: ok"

#!/usr/bin/env bash
# The whole job as a user does it, on the real program under a real X server, with
# nothing but the pointer and the keyboard: the window, the warning without a file,
# choosing a file, extracting it into a named file, cancelling the save dialog, an
# input that vanished after it was chosen, the link's colours, and Esc to quit.
source "$(dirname "$0")/lib.sh"

bin=$(cd "$1" && pwd)
program="$bin/morvane"
[[ -x $program ]] || fail "no program at $program"

# Qt's own dialogs with English titles ("Open", "Save As"), whatever desktop and
# language the machine running the test has.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset LANGUAGE QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP DESKTOP_SESSION

# --- fixtures ---------------------------------------------------------------------

mkdir -p "$E2E_TMP/in" "$E2E_TMP/out" "$E2E_TMP/gone" "$E2E_TMP/gone-out" \
    "$E2E_TMP/输入 文件夹" "$E2E_TMP/输出 文件夹"
input="$E2E_TMP/in/journey.txt"
chinese_input="$E2E_TMP/输入 文件夹/成员 名单.txt"
vanishing_input="$E2E_TMP/gone/vanishing.txt"

# Chinese in UTF-8 and in GBK, CR LF lines, leading zeros, runs of four digits, a
# twenty-digit run, numbers glued to letters, duplicates, full-width digits, and a
# number at the very end with no line break after it.
python3 - "$input" "$chinese_input" "$vanishing_input" <<'PY'
import sys
journey = b"".join([
    "QQ群成员：10001，12345678\r\n".encode("utf-8"),
    "联系号码：".encode("gbk") + b"987654321" + "，备用".encode("gbk") + b"0012345\r\n",
    "四位数：1234 5678 0000 00001234 01234\r\n".encode("utf-8"),
    "长号：12345678901234567890\r\n".encode("utf-8"),
    "重复：10001 QQ:10001abc99999\r\n".encode("utf-8"),
    "全角：１２３４５６７\r\n".encode("utf-8"),
    b"zeros 000000000054321 x1000000y\r\n",
    "末尾31415926".encode("gbk"),
])
open(sys.argv[1], "wb").write(journey)
open(sys.argv[2], "wb").write("第二份：55555，0088888，７７７７７\r\n".encode("utf-8"))
open(sys.argv[3], "wb").write(b"12345\r\n")
PY

# expected FILE: the numbers of FILE, worked out here from the definition itself
# (every run of ASCII digits, less its leading zeros, when five digits or more
# remain), one per line with CR LF.
expected() {
    python3 - "$1" <<'PY'
import re, sys
data = open(sys.argv[1], "rb").read()
out = b""
for run in re.findall(rb"[0-9]+", data):
    number = run.lstrip(b"0")
    if len(number) >= 5:
        out += number + b"\r\n"
sys.stdout.buffer.write(out)
PY
}
expected "$input" >"$E2E_TMP/journey.expected"
expected "$chinese_input" >"$E2E_TMP/chinese.expected"
# The fixture does hold what it is meant to test.
grep -q $'^12345678901234567890\r$' "$E2E_TMP/journey.expected" || fail "fixture: no twenty-digit number"
[[ $(grep -c $'^10001\r$' "$E2E_TMP/journey.expected") == 3 ]] || fail "fixture: no repeated number"

# --- helpers ----------------------------------------------------------------------

# Places of the controls in the window (no window manager, so no frame).
choose_file() { click_at "$window" $((264 + 40)) $((16 + 12)); }   # 按钮1 选择文件
extract() { click_at "$window" $((104 + 76)) $((56 + 40)); }       # 按钮2 提取QQ

# expect_message TEXT-PATTERN: the "提示" box shows a text that matches; Enter closes it.
expect_message() {
    local box text
    box=$(wait_window "$pid" '^提示$')
    text=$(message_text "$box")
    # shellcheck disable=SC2053 # the pattern is meant as a glob
    [[ $text == $1 ]] || fail "the box says \"$text\", expected \"$1\""
    xdotool windowfocus --sync "$box" key Return
    wait_window_gone "$box"
}

# open_input PATH [paste]: chooses the input file in the open dialog.
open_input() {
    local dialog
    choose_file
    dialog=$(wait_window "$pid" '^Open$')
    if [[ ${2:-} == paste ]]; then paste_text "$dialog" "$1"; else enter_text "$dialog" "$1"; fi
    xdotool key Return
    wait_window_gone "$dialog"
}

# save_dialog: clicks 提取QQ and prints the save dialog, once it proposes its name.
save_dialog() {
    local dialog name
    extract
    dialog=$(wait_window "$pid" '^Save As$')
    xdotool windowfocus --sync "$dialog"
    name=$(copy_focused_text)
    [[ $name == "QQ号码.txt" ]] || fail "the save dialog proposes \"$name\", expected \"QQ号码.txt\""
    echo "$dialog"
}

# save_as PATH [paste]: extracts into PATH through the save dialog.
save_as() {
    local dialog
    dialog=$(save_dialog)
    if [[ ${2:-} == paste ]]; then paste_text "$dialog" "$1"; else enter_text "$dialog" "$1"; fi
    xdotool key Return
    wait_window_gone "$dialog"
}

# link_shows blue|red: waits until the link's text is drawn in that colour, and in
# no trace of the other one.
link_shows() {
    local other=red deadline=$((SECONDS + 10)) wanted unwanted
    [[ $1 == red ]] && other=blue
    while ((SECONDS < deadline)); do
        wanted=$(colour_pixels $((wx + 112)) $((wy + 152)) 120 32 "$1")
        unwanted=$(colour_pixels $((wx + 112)) $((wy + 152)) 120 32 "$other")
        ((wanted >= 20 && unwanted == 0)) && return 0
        sleep 0.2
    done
    fail "the link is not $1 ($wanted $1 pixels, $unwanted $other ones)"
}

# --- the journey ------------------------------------------------------------------

start_xvfb 1024x768
(cd "$E2E_TMP" && exec "$program") >"$E2E_TMP/program.log" 2>&1 &
pid=$!
track "$pid"

window=$(wait_window "$pid" '^Morvane$')
read -r wx wy ww wh <<<"$(window_geometry "$window")"
[[ "$ww $wh" == "368 241" ]] || fail "the window is ${ww}x$wh, expected 368x241"
((wx == (1024 - 368) / 2 && wy == (768 - 241) / 2)) || fail "the window is at $wx,$wy, not centred"
bin_before=$(ls -A "$bin")

# The link: blue at rest, red under the pointer, blue again once the pointer has left.
xdotool mousemove --sync 0 0
link_shows blue
xdotool mousemove --sync $((wx + 112 + 60)) $((wy + 152 + 16))
link_shows red
xdotool mousemove --sync 0 0
link_shows blue

# 提取QQ before any file is chosen: the warning, and after it nothing.
extract
expect_message "请选择文件！"
expect_no_window "$pid" '^(Save As|Open|提示)$' 1.5

# A typed path, extracted into a typed path: the numbers, byte for byte.
open_input "$input"
save_as "$E2E_TMP/out/numbers.txt"
expect_message "完成！"
cmp "$E2E_TMP/journey.expected" "$E2E_TMP/out/numbers.txt" ||
    fail "the output differs from the expected numbers"

# The save dialog cancelled: no file anywhere, no box.
dialog=$(save_dialog)
xdotool key Escape
wait_window_gone "$dialog"
expect_no_window "$pid" '^提示$' 1.5
[[ $(ls -A "$E2E_TMP/out") == numbers.txt ]] || fail "a cancelled save left files: $(ls -A "$E2E_TMP/out")"
[[ $(ls -A "$bin") == "$bin_before" ]] || fail "a cancelled save left a file in $bin"

# Folder and file names with spaces and Chinese characters, pasted as a person
# would who can't type them.
open_input "$chinese_input" paste
save_as "$E2E_TMP/输出 文件夹/号码 结果.txt" paste
expect_message "完成！"
cmp "$E2E_TMP/chinese.expected" "$E2E_TMP/输出 文件夹/号码 结果.txt" ||
    fail "the output under Chinese names differs from the expected numbers"

# An input deleted after it was chosen: the read error, and no output at all.
open_input "$vanishing_input"
rm "$vanishing_input"
save_as "$E2E_TMP/gone-out/numbers.txt"
expect_message "无法读取文件：$vanishing_input*"
[[ -z $(ls -A "$E2E_TMP/gone-out") ]] || fail "a failed read left files: $(ls -A "$E2E_TMP/gone-out")"

# Esc closes the window, and the program ends well.
xdotool windowfocus --sync "$window" key Escape
wait_exit "$pid"
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE after Esc, expected 0"
echo "e2e user journey: ok"

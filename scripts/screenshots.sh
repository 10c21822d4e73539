#!/usr/bin/env bash
# Takes the README's screenshots: runs the real program under Xvfb and openbox, drives it from the keyboard and
# the launcher's buttons, and writes PNGs to docs/screenshots/. Builds build/ first unless TAVRENNE_BIN names
# the executable to run. Settings go to private folders that are thrown away, so no real setting is touched.
source "$(dirname "$0")/common.sh"

need_packages "${BUILD_PACKAGES[@]}" xvfb openbox xdotool imagemagick

if [ -n "${TAVRENNE_BIN:-}" ]; then
    bin="$TAVRENNE_BIN"
else
    configure_and_build "$ROOT/build"
    bin="$ROOT/build/bin/tavrenne"
fi
out="$ROOT/docs/screenshots"
mkdir -p "$out"

work="$(mktemp -d)"
pids=()
stop_all() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    pids=()
}
trap 'stop_all; rm -rf "$work"' EXIT

# start_display WIDTH HEIGHT: a fresh X server with a window manager, as a desktop would have.
start_display() {
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${1}x${2}x24" -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    sleep 1
    screen_width="$1"
}

# start_program SCALE: the program with a first run's empty settings, so it asks no update question.
start_program() {
    scale="$1"
    local home="$work/run-$scale"
    mkdir -p "$home/config" "$home/runtime" "$home/cache" "$home/data"
    chmod 700 "$home/runtime"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
        XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" "$bin" >"$work/program-$scale.log" 2>&1 &
    pids+=($!)
    timeout 30 xdotool search --sync --onlyvisible --name '^Tavrenne v' >/dev/null
    sleep 2
    find_panel
}

# The launcher's black panel is where the tool windows open: find its top and bottom rows in the screen's left
# column, so nothing below depends on the menu bar's or the window frame's height.
find_panel() {
    import -window root "$work/probe.png"
    read -r panel_top panel_bottom < <(convert "$work/probe.png" -crop "1x+2+0" +repage -depth 8 txt:- |
        awk -F'[,: ]+' '/^[0-9]/ { black = ($0 ~ /#000000/) }
                        /^[0-9]/ && black && top == "" { top = $2 }
                        /^[0-9]/ && !black && top != "" && bottom == "" { bottom = $2 }
                        END { print top, bottom }')
    if [ -z "$panel_top" ] || [ -z "$panel_bottom" ]; then
        echo "The launcher's panel was not found on the screen" >&2
        exit 1
    fi
}

# open_tool INDEX: presses one of the launcher's four buttons (Zodiac, I Ching, Fortune Cookie, Mahjong, left to
# right). Their centres are laid out in twips from the middle of the button row, which sits in the 900-twip strip
# right above the panel; 15 twips make a pixel at 96 dpi.
open_tool() {
    local lefts=(720 3360 6120 8760)
    local x y
    x=$(awk -v w="$screen_width" -v l="${lefts[$1]}" -v s="$scale" \
        'BEGIN { printf "%d", w / 2 + (l + 945 - 10815 / 2) / 15 * s }')
    y=$(awk -v t="$panel_top" -v s="$scale" 'BEGIN { printf "%d", t - 30 * s }')
    xdotool mousemove "$x" "$y" click 1
    rest_mouse
    sleep 1.5
}

# Parks the pointer on the empty panel, so no button is caught mid-hover.
rest_mouse() {
    xdotool mousemove 3 $((panel_bottom - 3))
}

keys() { xdotool key --delay 120 "$@"; }
type_text() { xdotool type --delay 40 "$1"; }

# save NAME [window]: writes the screen, or only the tool window standing on the launcher's panel.
save() {
    local file="$out/$1.png"
    import -window root "$work/screen.png"
    if [ "${2:-}" = window ]; then
        convert "$work/screen.png" -crop "${screen_width}x$((panel_bottom - panel_top))+0+$panel_top" +repage \
            -trim +repage -strip -define png:exclude-chunks=date,time "$file"
    else
        convert "$work/screen.png" -strip -define png:exclude-chunks=date,time "$file"
    fi
    echo "wrote $file ($(identify -format '%wx%h' "$file"), $(($(stat -c %s "$file") / 1024)) KiB)"
}

echo "== the launcher and each tool's reading =="
start_display 1280 900
start_program 1
save launcher

open_tool 0
type_text "Mei Lin"
keys Tab Right space Tab
type_text "14"
keys Tab
type_text "mar"
keys Tab
type_text "1988"
keys alt+p
sleep 1.5
save zodiac window

open_tool 1
type_text "Mei Lin"
keys Tab
type_text "Will the garden flower this spring?"
keys alt+n
sleep 1
for _ in 1 2 3 4 5 6; do
    keys alt+t
    sleep 0.8
done
sleep 0.5
save iching window

open_tool 2
keys space
sleep 1.5
save fortune window

open_tool 3
keys space
# The oracle keeps the asker waiting three seconds before the reading.
sleep 4.5
save mahjong window
stop_all

echo "== a tool window at 200% =="
start_display 2560 1800
start_program 2
open_tool 3
save mahjong-200 window
stop_all

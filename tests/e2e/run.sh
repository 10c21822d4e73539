#!/usr/bin/env bash
# Runs the accessibility journeys against the built program on a display, session bus and AT-SPI bus of
# their own, and always takes them down again.
# usage: run.sh PATH/TO/tavrenne [--only WORDS]
#        run.sh --orca PATH/TO/tavrenne     (what the Orca screen reader says, instead of the journeys)
#        run.sh PATH/TO/tavrenne --wayland    (one short journey on a headless Wayland compositor instead)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
journeys=journeys.py
mode=()
if [ "${1:-}" = "--orca" ]; then
    journeys=orca_journey.py
    mode=(--orca)
    shift
fi
binary="$(readlink -f "${1:?usage: run.sh PATH/TO/tavrenne [--only WORDS | --wayland]}")"
shift
wayland=
if [ "${1:-}" = --wayland ]; then
    wayland=1
    shift
fi

missing=()
if [ -n "$wayland" ]; then
    display_tools=(weston)
else
    display_tools=(Xvfb openbox)
fi
for tool in "${display_tools[@]}" dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
# Debian's own interpreter: the bindings live in its dist-packages, not in another Python's.
python=/usr/bin/python3
"$python" -c 'import pyatspi' >/dev/null 2>&1 || missing+=("pyatspi for $python")
if [ "${#missing[@]}" -gt 0 ]; then
    echo "e2e: missing ${missing[*]}; install xvfb openbox weston qt6-wayland dbus-x11 at-spi2-core" \
        "python3-pyatspi (./build-and-test.sh does)" >&2
    exit 1
fi

# Everything below runs inside a session bus of its own, which ends with it.
if [ -z "${TAVRENNE_E2E_SESSION:-}" ]; then
    exec env TAVRENNE_E2E_SESSION=1 dbus-run-session -- bash "$0" "${mode[@]}" "$binary" ${wayland:+--wayland} "$@"
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/tavrenne-e2e.XXXXXX")"
pids=()
cleanup() {
    local status=$?
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[$i]}" 2>/dev/null || true
    done
    wait "${pids[@]}" 2>/dev/null || true
    if [ "$status" -ne 0 ] && [ -n "${TAVRENNE_E2E_KEEP:-}" ]; then
        echo "e2e: kept $work" >&2
    else
        rm -rf "$work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The buses and the window manager keep their sockets and files here too, not in the user's home.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache" XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

# Waits up to ten seconds for the command $2 to succeed; otherwise fails, saying that $1 did not start and
# showing its log $3.
wait_started() {
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        eval "$2" && return 0
        sleep 0.1
    done
    echo "e2e: $1 did not start:" >&2
    cat "$3" >&2
    exit 1
}

if [ -n "$wayland" ]; then
    # Weston's headless output: a Wayland desktop with no X server anywhere, so nothing can fall back to X.
    unset DISPLAY
    export WAYLAND_DISPLAY=wayland-tavrenne
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1280 --height=1024 --idle-time=0 \
        >"$work/weston.log" 2>&1 &
    pids+=($!)
    wait_started "the Wayland compositor" '[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]' "$work/weston.log"
    journeys=wayland.py
else
    # Xvfb picks a free display itself and writes its number once it takes connections.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    wait_started "the X server" '[ -s "$work/display" ]' "$work/xvfb.log"
    export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"

    # A window manager, as on a desktop: windows get the keyboard, and the launcher opens maximized. In one
    # CI run it never announced itself while the sanitizer tests loaded the machine: it is waited for here,
    # started once more if it ended, and its log shown if it still does not come.
    start_window_manager() {
        openbox --sm-disable >>"$work/openbox.log" 2>&1 &
        wm=$!
        pids+=($wm)
    }
    wm_running="\"$python\" \"$here/x11_desktop.py\""
    start_window_manager
    for ((tries = 0; tries < 100; tries++)); do
        eval "$wm_running" && break
        kill -0 "$wm" 2>/dev/null || break
        sleep 0.1
    done
    if ! eval "$wm_running" && ! kill -0 "$wm" 2>/dev/null; then
        echo "e2e: the window manager ended as it started; starting it once more:" >&2
        cat "$work/openbox.log" >&2
        start_window_manager
    fi
    wait_started "the window manager" "$wm_running" "$work/openbox.log"
fi
# The AT-SPI bus, announced on this session bus; the registry starts on it when first asked for.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
# Asked whether the name has its owner, not through the name, which would start a second launcher.
wait_started "the AT-SPI bus" 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"' "$work/atspi.log"

cd "$here"
status=0
timeout --kill-after=10 "${TAVRENNE_E2E_TIMEOUT:-200}" "$python" "$here/$journeys" --binary "$binary" \
    --work "$work" "$@" || status=$?
if [ "$status" -eq 124 ]; then
    echo "e2e: the journeys ran out of time" >&2
fi
exit "$status"

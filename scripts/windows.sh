#!/usr/bin/env bash
# Tavrenne for Windows, in one command on Debian 12: installs what is missing, gets the cached Windows Qt
# (building it once per machine, windows-qt.sh), cross-builds the program and its tests into build-win/,
# runs the tests under Wine, makes build-win/tavrenne-<version>-setup.exe, then installs it silently under
# Wine, starts the installed program, checks that its launcher opens, and uninstalls it silently.
#
# Wine runs in a private prefix, build-win/wine, on a private X display with a window manager, so nothing
# of the user's own Wine or desktop is touched.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${BUILD_PACKAGES[@]}" mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 ninja-build wine wine64 nsis xvfb openbox xdotool

BUILD="$ROOT/build-win"
VERSION="$(sed -nE 's/^project\(Tavrenne VERSION ([0-9.]+).*/\1/p' "$ROOT/CMakeLists.txt")"
INSTALLER="$BUILD/tavrenne-$VERSION-setup.exe"

started=$SECONDS
stage_started=$SECONDS
stage() {
    local now=$SECONDS
    [ -n "${stage_name:-}" ] && echo "== $stage_name: $((now - stage_started)) s =="
    stage_name="$1"
    stage_started=$now
    [ -n "$1" ] && echo "== $1 =="
    return 0
}

stage "Windows Qt"
QT_WIN="$(bash "$ROOT/scripts/windows-qt.sh" | tail -1)"

stage "Building for Windows"
mkdir -p "$BUILD"
export WINEPREFIX="$BUILD/wine" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRENNE_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$QT_WIN" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$(qt_host_cmake_dir)" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)"
cmake --build "$BUILD" --parallel "$JOBS"

stage "Wine prefix and display"
pids=()
cleanup() {
    wineserver -k 2>/dev/null || true
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
}
trap cleanup EXIT
display="${TAVRENNE_WIN_DISPLAY:-}"
if [ -z "$display" ]; then
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    display=":$n"
fi
Xvfb "$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >"$BUILD/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.2; done
openbox >"$BUILD/openbox.log" 2>&1 &
pids+=($!)
wineboot -i >/dev/null 2>&1
wineserver -w

stage "Tests under Wine"
# One at a time: the test programs share one Wine server, and under contention its message waits
# cost processor time that the idle-wait test would count against the program.
ctest --test-dir "$BUILD" --output-on-failure

stage "Installer"
cmake --build "$BUILD" --target installer
[ -f "$INSTALLER" ]

stage "Silent install, start and silent uninstall under Wine"
program_files="$WINEPREFIX/drive_c/Program Files/Tavrenne"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavrenne.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrenne'
fail() {
    echo "windows.sh: $*" >&2
    exit 1
}

wine "$INSTALLER" /S
wineserver -w
[ -f "$program_files/tavrenne.exe" ] || fail "the installer put no tavrenne.exe into Program Files"
[ -f "$program_files/pics/heads.gif" ] || fail "the installer left out pics\\heads.gif"
[ -f "$program_files/platforms/qwindows.dll" ] || fail "the installer left out the windows platform plugin"
[ -f "$shortcut" ] || fail "the installer made no Start-menu shortcut"
wine reg query "$uninstall_key" /v DisplayName 2>/dev/null | grep -q Tavrenne ||
    fail "the installer made no Add/Remove Programs entry"

wine "C:\\Program Files\\Tavrenne\\tavrenne.exe" >"$BUILD/installed-run.log" 2>&1 &
launcher="$(timeout 60 xdotool search --sync --onlyvisible --name "^Tavrenne v$VERSION\$" | head -1)" ||
    fail "the installed program showed no launcher"
echo "The installed program's launcher is open (X window $launcher)."
# Closed as a user would, through the launcher's close box; the program must then end by itself.
xdotool windowactivate --sync "$launcher" key --clearmodifiers alt+F4
timeout 30 wineserver -w || fail "the installed program did not end when its launcher closed"

wine "C:\\Program Files\\Tavrenne\\uninstall.exe" /S
wineserver -w
# The uninstaller runs from a copy of itself in the temporary folder; give it a moment to finish.
for _ in $(seq 30); do [ -e "$program_files" ] || break; sleep 1; done
[ ! -e "$program_files" ] || fail "the uninstaller left $program_files behind"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
if wine reg query "$uninstall_key" >/dev/null 2>&1; then
    fail "the uninstaller left the Add/Remove Programs entry"
fi
stage ""
echo "== Windows build, tests and installer done in $((SECONDS - started)) s: $INSTALLER =="

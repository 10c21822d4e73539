# Shared by the build scripts: installs the Debian packages the build needs, if missing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs every package of "$@" that is not installed yet.
need_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev fonts-dejavu-core)
# What the end-to-end journeys need besides: a virtual display with a window manager, a session bus
# and the accessibility bus, and the Python bindings that drive the program through it; and what the
# tile generator's test draws the tile characters with: fontTools and the typeface.
TEST_PACKAGES=(xvfb openbox dbus-x11 at-spi2-core python3-pyatspi python3-fonttools fonts-noto-cjk)
# The screen reader and its speech server, for the journey that listens to what Orca says.
TEST_PACKAGES+=(orca speech-dispatcher)
# The validators of the desktop entry, the AppStream metadata and the manual page.
TEST_PACKAGES+=(desktop-file-utils appstream man-db)
# The Wayland journey: a compositor with a headless backend, and Qt's Wayland platform.
TEST_PACKAGES+=(weston qt6-wayland)

# configure DIR [cmake options...]
configure() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

# build_program DIR [cmake options...]: the program alone, with what installing it needs.
build_program() {
    configure "$@"
    cmake --build "$1" -j "$JOBS" --target tavrenne
}

# configure_and_build DIR [cmake options...]: everything, tests included.
configure_and_build() {
    configure "$@"
    cmake --build "$1" -j "$JOBS"
}

# Debian's multiarch CMake folder of the host Qt, where Qt6HostInfo lives; a Qt cross build and builds
# against it need it to find the host's moc, rcc and uic.
qt_host_cmake_dir() {
    local info
    info="$(dpkg -L qt6-base-dev | grep '/Qt6HostInfo/Qt6HostInfoConfig.cmake$' | head -1)"
    (cd "$(dirname "$info")/.." && pwd)
}

#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once per machine, and prints
# the folder it is installed in. The build is cached under ~/.cache/tavrenne, keyed by the
# Debian version of qt6-base and the configure options, so later runs reuse it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages dpkg-dev ninja-build cmake mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    qt6-base-dev qt6-base-dev-tools >&2

QT_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
HOST_CMAKE_DIR="$(qt_host_cmake_dir)"
TOOLCHAIN="$ROOT/cmake/mingw-w64-x86_64.cmake"

QT_OPTIONS=(-xplatform win32-g++ -qt-host-path /usr -release -shared -nomake tests -nomake examples
    -no-opengl -no-dbus -no-icu -no-openssl -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz
    -qt-freetype -qt-doubleconversion -no-feature-network -no-feature-sql -no-feature-concurrent
    -no-feature-xml -no-feature-tabletevent -no-feature-vulkan -no-feature-androiddeployqt
    -no-feature-direct2d1_1)

key="$(printf '%s\n' "$QT_VERSION" "${QT_OPTIONS[@]}" "$(cat "$TOOLCHAIN")" | sha256sum | cut -c1-12)"
CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/tavrenne"
PREFIX="$CACHE/qt6-win64-${QT_VERSION//[^A-Za-z0-9.]/_}-$key"

if [ -f "$PREFIX/.complete" ]; then
    echo "$PREFIX"
    exit 0
fi

work="$CACHE/qt6-win64-build-$key"
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/src"

# A private apt configuration whose source entries mirror the machine's own binary entries,
# so the source package comes from wherever this machine already gets its packages.
{
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] && grep -E '^deb\s' "$f" | sed -E 's/^deb(\s)/deb-src\1/' || true
    done
} > "$work/apt/sources.list"
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed -E 's/^Types:.*/Types: deb-src/' "$f" > "$work/apt/$(basename "$f")"
done
mkdir -p "$work/apt/sources.list.d"
mv "$work"/apt/*.sources "$work/apt/sources.list.d/" 2>/dev/null || true
APT_OPTS=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::Archives=$work/apt/archives"
    -o "Debug::NoLocking=1")
echo "== Fetching qt6-base $QT_VERSION source ==" >&2
apt-get "${APT_OPTS[@]}" update -q >&2
(cd "$work/src" && apt-get "${APT_OPTS[@]}" source -q "qt6-base=$QT_VERSION" >&2)
srcdir="$(find "$work/src" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base-*' | head -1)"

echo "== Configuring Qt for Windows ==" >&2
mkdir -p "$work/build"
(cd "$work/build" && "$srcdir/configure" -prefix "$PREFIX" "${QT_OPTIONS[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DQT_HOST_PATH_CMAKE_DIR="$HOST_CMAKE_DIR" >&2)
echo "== Building Qt for Windows (about 13 minutes on 2 cores) ==" >&2
cmake --build "$work/build" --parallel "$JOBS" >&2
cmake --install "$work/build" >&2
touch "$PREFIX/.complete"
rm -rf "$work"
echo "$PREFIX"

#!/usr/bin/env bash
# Builds the Debian package of Tavrenne from this checkout into build-deb/, installing what the build needs,
# and checks it with lintian. Install the result with: sudo apt-get install ./build-deb/tavrenne_*.deb
source "$(dirname "$0")/common.sh"

build="$ROOT/build-deb"
# dpkg-shlibdeps (dpkg-dev) works out the package's library dependencies; CPack finds the executables with file.
need_packages "${BUILD_PACKAGES[@]}" dpkg-dev file lintian

# Debian's hardening flags, as Debian's own package tools would build with them; CMake reads no CPPFLAGS.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
# CPack installs what build_program built, without first building everything else.
build_program "$build" -DTAVRENNE_TESTS=OFF -DTAVRENNE_DEBIAN_PACKAGE=ON -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
rm -f "$build"/tavrenne_*.deb
(cd "$build" && cpack -G DEB)

deb="$(ls "$build"/tavrenne_*.deb)"
dpkg-deb --info "$deb"
lintian --fail-on error,warning "$deb"
echo "Built $deb"

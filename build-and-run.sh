#!/usr/bin/env bash
# Installs what is missing, builds Tavrenne (the program only, not the tests) and starts it.
source "$(dirname "$0")/scripts/common.sh"

need_packages "${BUILD_PACKAGES[@]}"
configure "$ROOT/build"
cmake --build "$ROOT/build" -j "$JOBS" --target tavrenne
exec "$ROOT/build/bin/tavrenne"

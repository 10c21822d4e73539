#!/usr/bin/env bash
# Installs what is missing, builds Tavrenne (the program only, not the tests) and starts it.
source "$(dirname "$0")/scripts/common.sh"

need_packages "${BUILD_PACKAGES[@]}"
build_program "$ROOT/build"
exec "$ROOT/build/bin/tavrenne"

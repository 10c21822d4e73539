#!/usr/bin/env bash
# Installs what is missing, builds Tavrenne and starts it.
source "$(dirname "$0")/scripts/common.sh"

need_packages "${BUILD_PACKAGES[@]}"
configure_and_build "$ROOT/build"
exec "$ROOT/build/bin/tavrenne"

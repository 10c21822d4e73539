#!/usr/bin/env bash
# Installs what is missing, builds Tavrenne and runs every test: once in a plain build
# with warnings as errors, once more under AddressSanitizer and UndefinedBehaviorSanitizer.
# --quick skips the sanitizer pass.
source "$(dirname "$0")/scripts/common.sh"

quick=0
[ "${1:-}" = "--quick" ] && quick=1

need_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

configure_and_build "$ROOT/build" -DTAVRENNE_WERROR=ON
ctest --test-dir "$ROOT/build" --output-on-failure -j "$JOBS"

if [ "$quick" -eq 0 ]; then
    echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
    configure_and_build "$ROOT/build-sanitize" -DTAVRENNE_WERROR=ON -DTAVRENNE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ctest --test-dir "$ROOT/build-sanitize" --output-on-failure -j "$JOBS"
fi

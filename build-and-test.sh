#!/usr/bin/env bash
# Installs what is missing, builds Tavrenne and runs every test: once in a plain build
# with warnings as errors, once more under AddressSanitizer and UndefinedBehaviorSanitizer.
# --quick skips the sanitizer pass.
source "$(dirname "$0")/scripts/common.sh"

quick=0
[ "${1:-}" = "--quick" ] && quick=1

need_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# The printing test prints for real. With no print server here, a private one runs for the
# length of the tests and is stopped after; a print server of the machine's own is left alone,
# so nothing is printed on its printers and the test skips.
if [ -z "${TAVRENNE_PRINT_OUTPUT:-}" ]; then
    if bash "$ROOT/scripts/print-server.sh" other-running; then
        echo "A print server already runs here: the printing test skips rather than print on its printers."
    else
        export TAVRENNE_PRINT_OUTPUT=/tmp/tavrenne-print/sheet.pdf
        trap 'bash "$ROOT/scripts/print-server.sh" stop' EXIT
        bash "$ROOT/scripts/print-server.sh" start "$TAVRENNE_PRINT_OUTPUT"
    fi
fi

configure_and_build "$ROOT/build" -DTAVRENNE_WERROR=ON
ctest --test-dir "$ROOT/build" --output-on-failure -j "$JOBS"

if [ "$quick" -eq 0 ]; then
    echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
    configure_and_build "$ROOT/build-sanitize" -DTAVRENNE_WERROR=ON -DTAVRENNE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ctest --test-dir "$ROOT/build-sanitize" --output-on-failure -j "$JOBS"
fi

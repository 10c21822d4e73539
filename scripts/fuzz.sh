#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds (default 60)
# from its committed seed corpus. Any finding fails.
source "$(dirname "$0")/common.sh"
seconds="${1:-60}"
targets=(fuzz_result_file fuzz_name_shown)

need_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-dev
build="$ROOT/build-fuzz"
CXX=clang++ CC=clang cmake -S "$ROOT" -B "$build" -DTAVRENNE_FUZZ=ON -DTAVRENNE_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$JOBS" --target "${targets[@]}"

# The font library keeps allocations for the life of the process, as in the tests.
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
# Both read result files: they share the seeds.
for target in "${targets[@]}"; do
    work="$(mktemp -d)"
    cd "$work"
    mkdir "$work/corpus"
    cp "$ROOT"/tests/fuzz/corpus/* "$work/corpus"/
    echo "== $target for ${seconds}s =="
    "$build/bin/$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$ROOT/build-fuzz/$target-" "$work/corpus"
    cd "$ROOT"
    rm -rf "$work"
done

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds (default 60)
# from its committed seed corpus. Any finding fails.
source "$(dirname "$0")/common.sh"
seconds="${1:-60}"

need_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-dev
build="$ROOT/build-fuzz"
CXX=clang++ CC=clang cmake -S "$ROOT" -B "$build" -DTAVRENNE_FUZZ=ON -DTAVRENNE_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$JOBS" --target fuzz_result_file

work="$(mktemp -d)"
cd "$work"
mkdir "$work/corpus"
cp "$ROOT"/tests/fuzz/corpus/* "$work/corpus"/
echo "== fuzzing the result-file reader for ${seconds}s =="
"$build/bin/fuzz_result_file" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$ROOT/build-fuzz/" "$work/corpus"
rm -rf "$work"

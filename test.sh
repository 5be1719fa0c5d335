#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UBSan, runs every test,
# then builds and checks the Debian package.
# Exit status is non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DR36_SANITIZE=ON
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300

# Build the Debian package from a Release build, check its desktop entry, metainfo and manual
# page, and run qbr36-cli from it unpacked into a scratch root.
scripts/check-package.sh

# Fuzz the readers of clone files and CSV lists for a bounded time (R36_FUZZ_SECONDS per target)
# with clang's libFuzzer; a crash or a broken invariant fails the script and leaves the input in
# build-fuzz/. Only the Qt-free text layer is built here.
fuzz_build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DR36_FUZZ=ON -DR36_TESTS=OFF -DR36_BENCH=OFF -DR36_IMAGE_ONLY=ON -DR36_SANITIZE=OFF
cmake --build "$fuzz_build" -j "$(nproc)" --target fuzz_clone_text fuzz_csv_import
for target in fuzz_clone_text fuzz_csv_import; do
  corpus="$fuzz_build/corpus/$target"
  mkdir -p "$corpus"
  "$fuzz_build/bin/$target" -max_total_time="${R36_FUZZ_SECONDS:-15}" -timeout=30 -max_len=8192 \
    -rss_limit_mb=4096 -artifact_prefix="$fuzz_build/$target-" -print_final_stats=1 \
    "$corpus" tests/data fuzz/seeds
done

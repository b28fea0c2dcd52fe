#!/bin/sh
# Builds the libFuzzer targets with clang in a folder of their own and runs
# each for SECONDS (default 60). Usage: fuzz/run.sh [SECONDS]
# DEK_FUZZ_BUILD names the build folder (default: build-fuzz in the repository).
# A crash leaves its input in <build>/fuzz/crashes/ and the script exits 1;
# rerun it with: <build>/fuzz/<target> <build>/fuzz/crashes/<file>
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${DEK_FUZZ_BUILD:-$root/build-fuzz}
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S "$root" -B "$build" -DDEK_FUZZ=ON -DDEK_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" --target dek_fuzzers -j"$jobs"

status=0
for target in fuzz_return_file fuzz_rek28 fuzz_rekster fuzz_real48 fuzz_text fuzz_dt1 fuzz_amount; do
    corpus=$build/fuzz/corpus/$target
    crashes=$build/fuzz/crashes
    mkdir -p "$corpus" "$crashes"
    echo "== $target for $seconds s"
    # New inputs go to the first folder; the seeds are read from the second.
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$crashes/$target-" "$corpus" "$build/fuzz/seeds/$target"; then
        echo "== $target FAILED: see $crashes/"
        status=1
    fi
done
exit $status

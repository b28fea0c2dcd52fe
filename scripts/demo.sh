#!/usr/bin/env bash
# Installs what is missing, builds dek2018 and prints every sheet of the
# built-in sample returns to PDF files under ./wydruki (one folder per sample).
#   BUILD_DIR=...  build folder (default: build, a Release build)
#   OUT_DIR=...    where the PDF files go (default: ./wydruki)
# Ends by printing the path of the program it built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup-debian.sh" --print-only
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DDEK_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target dek2018
"$build/host/dek2018" demo --out "${OUT_DIR:-$PWD/wydruki}"
echo "dek2018 is $build/host/dek2018"

#!/usr/bin/env bash
# Installs what is missing, builds dek2018 with its tests and benchmarks, and
# runs every test.
#   DEK_WERROR=ON    warnings are errors
#   DEK_SANITIZE=ON  AddressSanitizer + UndefinedBehaviorSanitizer build
#   BUILD_DIR=...    build folder (default: build-test, a Debug build)
# Ends by printing the path of the program it built, whether the tests passed
# or not (the exit status says that).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-test}
"$root/scripts/setup-debian.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DDEK_WERROR="${DEK_WERROR:-OFF}" -DDEK_SANITIZE="${DEK_SANITIZE:-OFF}" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# Leaks inside third-party libraries only (see the file for which).
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" || status=$?
echo "dek2018 is $build/host/dek2018"
exit $status

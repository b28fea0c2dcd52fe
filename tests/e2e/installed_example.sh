#!/usr/bin/env bash
# The module as a host application's developer meets it: the build installed
# into a prefix of its own; every public header compiled alone, warning-free
# in C++20, with the flags of the installed pkg-config file; the example host
# of examples/minimal-host built against that prefix alone by a fresh CMake,
# run, and its PDF read back.
#   installed_example.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
for tool in pkg-config qpdf pdfinfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (scripts/setup-debian.sh installs it)"; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/dek2018-example.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log" >&2; fail "install"; }
pc=$(find "$prefix" -name dek2018.pc)
[[ -n $pc ]] || fail "no dek2018.pc installed"
config=$(find "$prefix" -name dek2018Config.cmake)
[[ -n $config ]] || fail "no dek2018Config.cmake installed"

# Every public header on its own.
cflags=$(PKG_CONFIG_PATH=$(dirname "$pc") pkg-config --cflags dek2018)
found=no
for flag in $cflags; do
  [[ $flag == -I* && $(readlink -f "${flag#-I}") == "$(readlink -f "$prefix/include")" ]] && found=yes
done
[[ $found == yes ]] || fail "pkg-config gives no include folder of the prefix: $cflags"
headers=("$prefix"/include/dek2018/*.h)
[[ ${#headers[@]} -ge 8 ]] || fail "headers: ${headers[*]}"
for header in "${headers[@]}"; do
  name=dek2018/$(basename "$header")
  echo "#include <$name>" | ${CXX:-c++} -std=c++20 -Wall -Wextra -Werror -fsyntax-only $cflags -x c++ - ||
    fail "$name does not compile on its own"
done
# No header of the layers behind the API is installed.
unexpected=$(cd "$prefix/include/dek2018" && find . -name '*.h' | grep -v -E '^\./[a-z_]+\.h$|^\./records/' || true)
[[ -z $unexpected ]] || fail "headers beyond the API installed: $unexpected"

# The example, against the prefix alone.
cmake -S "$source/examples/minimal-host" -B "$work/host" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF >"$work/configure.log" 2>&1 || { cat "$work/configure.log" >&2; fail "configure"; }
grep -q "dek2018_DIR:PATH=$prefix/" "$work/host/CMakeCache.txt" || fail "dek2018 not found in the prefix"
cmake --build "$work/host" >"$work/build.log" 2>&1 || { cat "$work/build.log" >&2; fail "build"; }
linked=$(ldd "$work/host/minimal-host")
[[ $linked == *"libdek2018.so.0 => $prefix/"* ]] || fail "not linked with the prefix's library: $linked"

QT_QPA_PLATFORM=offscreen "$work/host/minimal-host" "$work/pit37.pdf" >"$work/out" 2>"$work/err" ||
  fail "minimal-host: status $?: $(cat "$work/err")"
[[ $(grep -c '^SHEET ' "$work/out") -eq 8 ]] || fail "transcript: $(cat "$work/out")"
grep -q '^8 sheets in ' "$work/out" || fail "summary: $(tail -1 "$work/out")"
qpdf --check "$work/pit37.pdf" >/dev/null || fail "qpdf --check"
pages=$(pdfinfo "$work/pit37.pdf" | awk '/^Pages:/ { print $2 }')
[[ $pages -eq 8 ]] || fail "$pages pages"
echo "example host: $pages pages from $(basename "$pc") and $(basename "$config") in $prefix"

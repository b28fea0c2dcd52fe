#!/usr/bin/env bash
# The module as a shared library and the command that loads it: its SONAME,
# what it exports, the command linking none of it, and where the command
# loads it from (DEK2018_MODULE, else beside the program), with a clear
# error, status 2 and nothing written when it cannot.
#   module_loading.sh DEK2018 LIBRARY PIT37_SAMPLE
set -u
exe=$1
library=$2
pit37=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/dek2018-module.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL $*"; failed=1; }
export CUPS_SERVER=/nonexistent/dek2018-no-cups.sock QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config

readelf -d "$library" | grep -q 'SONAME.*\[libdek2018\.so\.0\]' || fail "SONAME: $(readelf -d "$library" | grep SONAME)"
readelf -d "$exe" | grep -q 'NEEDED.*libdek2018' && fail "the command is linked with the library"
nm -C "$exe" | grep -q -E 'dek::(jobs|pages|report|platform)::' && fail "the command holds the module's code"

# Exported: the entry point and the records' functions, nothing of the layers behind the API.
nm -D -C --defined-only "$library" >"$work/exports"
grep -q ' T dek2018_module_0$' "$work/exports" || fail "the entry point is not exported"
grep -q 'dek::real48_encode' "$work/exports" || fail "the records' functions are not exported"
grep -E 'TF_w|F_w[0-9a-z_]+|QR_|dek::(jobs|pages|report|platform|library)::' "$work/exports" >"$work/leaked"
[[ ! -s $work/leaked ]] || fail "exported beyond the API: $(head -5 "$work/leaked")"

# run ARGS...: the command in an empty folder; sets rc and the files out and err.
run() {
  rm -rf "$work/cwd"
  mkdir "$work/cwd"
  rc=0
  (cd "$work/cwd" && "$exe" "$@" >"$work/out" 2>"$work/err") || rc=$?
}

run --version
[[ $rc -eq 0 && $(head -1 "$work/out") =~ ^dek2018\ [0-9]+\.[0-9]+$ ]] || fail "--version: $rc $(cat "$work/out" "$work/err")"
real=$(readlink -f "$library")
loaded=$(sed -n 's/^module libdek2018 [0-9.]*: //p' "$work/out")
[[ $(readlink -f "$loaded") == "$(readlink -f "$(dirname "$library")/libdek2018.so.0")" && $(readlink -f "$loaded") == "$real" ]] ||
  fail "--version names no module beside the program: $(cat "$work/out")"

# A copy named by DEK2018_MODULE is the one loaded, and prints.
cp "$real" "$work/copy.so"
DEK2018_MODULE=$work/copy.so run --version
grep -qx "module libdek2018 [0-9.]*: $work/copy.so" "$work/out" || fail "the copy is not loaded: $(cat "$work/out" "$work/err")"
DEK2018_MODULE=$work/copy.so run print "$pit37" --out wydruki --click kl_zmust --click chbox_st_1
[[ $rc -eq 0 && -f $work/cwd/wydruki/01-TF_w37181.pdf ]] || fail "print with the copy: $rc $(cat "$work/err")"

# What cannot be loaded: status 2, the file and the loader's reason, nothing written.
head -c 4096 /dev/zero | tr '\0' 'x' >"$work/text.so"  # no library, yet longer than an ELF header
while read -r module reason; do
  DEK2018_MODULE=$module run print "$pit37" --out wydruki
  [[ $rc -eq 2 && ! -s $work/out && -z $(ls -A "$work/cwd") ]] || fail "$module: status $rc, $(ls -A "$work/cwd")"
  grep -qF "dek2018: cannot load the print module $module (DEK2018_MODULE): " "$work/err" &&
    grep -qF "$reason" "$work/err" || fail "$module: $(cat "$work/err")"
done <<LIST
$work/missing.so cannot open shared object file: No such file or directory
$work/text.so invalid ELF header
$(ldconfig -p | awk '/libz\.so\.1 / { print $NF; exit }') undefined symbol: dek2018_module_0
LIST
DEK2018_MODULE=$work/missing.so run --version
[[ $rc -eq 2 && ! -s $work/out ]] || fail "--version without the module: status $rc"

# Commands that need no module run without one.
DEK2018_MODULE=$work/missing.so run check "$pit37"
[[ $rc -eq 0 ]] || fail "check needs the module: $(cat "$work/err")"

exit $failed

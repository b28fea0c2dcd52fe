#!/usr/bin/env bash
# The Debian package as CI builds it: `cpack -G DEB` over the build folder
# gives a package with the executable and its manual page, depending on the
# libraries dpkg-shlibdeps finds and on the fonts the sheets print in.
#   package.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (scripts/setup-debian.sh installs it)"; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/dek2018-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
debs=("$work"/dek2018_*_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "no package: $(ls "$work")"
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '{ print $NF }' >"$work/contents"
for path in ./usr/bin/dek2018 ./usr/share/man/man1/dek2018.1.gz; do
  grep -qx -- "$path" "$work/contents" || fail "$path not in the package: $(cat "$work/contents")"
done

depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-liberation2 qt6-translations-l10n libqt6gui6 libqt6printsupport6 libqpdf29 libcups2; do
  [[ ", $depends," == *", $dep "* || ", $depends," == *", $dep,"* ]] || fail "Depends lacks $dep: $depends"
done

# The description is one text, not CMake's list of its pieces.
description=$(dpkg-deb -f "$deb" Description)
[[ $description != *" ;"* && $description == *"blank A4 sheets, each sheet"* && $description == *"dialog; also as"* ]] ||
  fail "Description: $description"

# The manual page in the package is the one the build made from the help texts.
dpkg-deb -x "$deb" "$work/root"
zcat "$work/root/usr/share/man/man1/dek2018.1.gz" >"$work/page"
grep -q '^\.TH DEK2018 1 ' "$work/page" || fail "not a manual page"
for command in check sample render dialog print preview demo; do
  grep -q "^\\.SS \"dek2018 $command\"$" "$work/page" || fail "no section for $command"
done
grep -q '^\.SH RETURN FILES$' "$work/page" || fail "no section on the return file's format"
"$work/root/usr/bin/dek2018" --version | grep -q '^dek2018 [0-9]' || fail "the packaged program does not run"
echo "package: $(basename "$deb"), Depends: $depends"

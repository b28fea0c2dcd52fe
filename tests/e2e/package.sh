#!/usr/bin/env bash
# The Debian packages as CI builds them: `cpack -G DEB` over the build folder
# gives three, split as Debian splits a library: libdek2018-0 (the library),
# libdek2018-dev (headers, CMake package, pkg-config file) and dek2018 (the
# command and its manual page), each with its dependencies. Unpacked together
# the command runs on the packaged library; as root, they also install and
# remove cleanly (when none of them is installed already).
#   package.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (scripts/setup-debian.sh installs it)"; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/dek2018-package.XXXXXX")
installed=0
cleanup() {
  if [[ $installed -eq 1 ]]; then dpkg --purge dek2018 libdek2018-dev libdek2018-0 >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
names=(libdek2018-0 libdek2018-dev dek2018)
declare -A deb
for name in "${names[@]}"; do
  found=("$work"/"$name"_*_*.deb)
  [[ ${#found[@]} -eq 1 && -f ${found[0]} ]] || fail "no package $name: $(ls "$work")"
  deb[$name]=${found[0]}
  dpkg-deb -c "${deb[$name]}" | sed -E 's/ -> .*//' | awk '{ print $NF }' | sed 's/^\.//' >"$work/$name.contents"
done

# has PACKAGE PATTERN...: each pattern (an extended regular expression) is a file of the package.
has() {
  local name=$1
  shift
  for pattern in "$@"; do
    grep -qE -- "^$pattern\$" "$work/$name.contents" || fail "$name has no $pattern: $(cat "$work/$name.contents")"
  done
}
lacks() {
  local name=$1 pattern=$2
  ! grep -qE -- "$pattern" "$work/$name.contents" || fail "$name holds $pattern"
}
has libdek2018-0 '/usr/lib/(.*/)?libdek2018\.so\.0' '/usr/lib/(.*/)?libdek2018\.so\.0\.[0-9]+'
lacks libdek2018-0 'libdek2018\.so$|/include/|/bin/'
has libdek2018-dev '/usr/lib/(.*/)?libdek2018\.so' '/usr/include/dek2018/module\.h' '/usr/include/dek2018/records/rekdek\.h' \
  '/usr/lib/(.*/)?cmake/dek2018/dek2018Config\.cmake' '/usr/lib/(.*/)?cmake/dek2018/dek2018Targets\.cmake' \
  '/usr/lib/(.*/)?pkgconfig/dek2018\.pc'
lacks libdek2018-dev 'libdek2018\.so\.0|/bin/'
has dek2018 /usr/bin/dek2018 /usr/share/man/man1/dek2018.1.gz
lacks dek2018 'libdek2018|/include/'

# depends PACKAGE DEP...: each DEP (a package name, maybe with its version) is among its Depends.
depends() {
  local name=$1
  shift
  local all
  all=$(dpkg-deb -f "${deb[$name]}" Depends)
  for dep in "$@"; do
    [[ ", $all," == *", $dep "* || ", $all," == *", $dep,"* ]] || fail "$name: Depends lacks $dep: $all"
  done
  echo "$name: Depends: $all"
}
version=$(dpkg-deb -f "${deb[dek2018]}" Version)
depends libdek2018-0 fonts-liberation2 qt6-translations-l10n libqt6gui6 libqt6widgets6 libqt6printsupport6 libqpdf29 libpoppler-qt6-3 libharfbuzz-subset0 libcups2
depends libdek2018-dev "libdek2018-0 (= $version)" qt6-base-dev
depends dek2018 "libdek2018-0 (= $version)" libqt6widgets6
[[ $(dpkg-deb -f "${deb[libdek2018-0]}" Section) == libs ]] || fail "libdek2018-0 is not in section libs"
control=$(dpkg-deb --ctrl-tarfile "${deb[libdek2018-0]}" | tar -t)
[[ $control == *shlibs* && ($control == *triggers* || $control == *postinst*) ]] ||
  fail "libdek2018-0 has no shlibs file or ldconfig step: $control"

# The description is one text, not CMake's list of its pieces.
description=$(dpkg-deb -f "${deb[dek2018]}" Description)
[[ $description != *" ;"* && $description == *"blank A4 sheets, each sheet"* && $description == *"dialog; also as"* ]] ||
  fail "Description: $description"

# The manual page in the package is the one the build made from the help texts.
for name in libdek2018-0 dek2018; do dpkg-deb -x "${deb[$name]}" "$work/root"; done
zcat "$work/root/usr/share/man/man1/dek2018.1.gz" >"$work/page"
grep -q '^\.TH DEK2018 1 ' "$work/page" || fail "not a manual page"
for command in check sample render dialog print preview demo; do
  grep -q "^\\.SS \"dek2018 $command\"$" "$work/page" || fail "no section for $command"
done
# Unpacked anywhere, the command finds the library of its own tree.
"$work/root/usr/bin/dek2018" --version >"$work/version" || fail "the packaged program does not run"
grep -q '^dek2018 [0-9]' "$work/version" && grep -q "^module libdek2018 [0-9.]*: $work/root/usr/lib/" "$work/version" ||
  fail "the packaged program loads no packaged library: $(cat "$work/version")"

# Installed and removed, as root when none is installed yet.
if [[ $(id -u) -eq 0 ]] && ! dpkg -s "${names[@]}" >/dev/null 2>&1 && ! dpkg -l "${names[@]}" 2>/dev/null | grep -q '^ii'; then
  installed=1
  dpkg -i "${deb[libdek2018-0]}" "${deb[libdek2018-dev]}" "${deb[dek2018]}" >"$work/dpkg.log" 2>&1 ||
    { cat "$work/dpkg.log" >&2; fail "dpkg -i"; }
  /usr/bin/dek2018 --version | grep -q '^module libdek2018 [0-9.]*: /usr/lib/' || fail "the installed program"
  pkg-config --modversion dek2018 | grep -qx "$version" || fail "pkg-config does not find the installed module"
  dpkg --purge dek2018 libdek2018-dev libdek2018-0 >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg --purge"; }
  installed=0
  for path in /usr/bin/dek2018 /usr/include/dek2018; do [[ ! -e $path ]] || fail "$path left after removal"; done
  ! dpkg -l "${names[@]}" 2>/dev/null | grep -q '^[a-z][a-z] ' || fail "packages left known to dpkg after removal"
  ! ls /usr/lib/libdek2018.so* /usr/lib/*/libdek2018.so* >/dev/null 2>&1 || fail "the library left after removal"
  echo "installed and removed: ${names[*]}"
fi
echo "packages: $(cd "$work" && ls ./*.deb | xargs -n1 basename | tr '\n' ' ')"

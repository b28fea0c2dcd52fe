#!/usr/bin/env bash
# The command line as a user meets it: help on standard output with status
# 0 and without a display, the version, and usage errors (an unknown option,
# a missing value) with status 2, the command's usage on standard error and
# nothing written anywhere.
#   command_line.sh DEK2018 PIT37_SAMPLE
set -u
exe=$1
pit37=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/dek2018-cli.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL $*"; failed=1; }
commands=(check sample render dialog print preview demo)
export CUPS_SERVER=/nonexistent/dek2018-no-cups.sock

# run ARGS...: dek2018 in an empty folder with no display and a settings
# folder of its own; sets rc, and the files out and err.
run() {
  rm -rf "$work/cwd" "$work/config"
  mkdir "$work/cwd"
  rc=0
  (cd "$work/cwd" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" \
    "$exe" "$@" >"$work/out" 2>"$work/err") || rc=$?
}
nothing_written() { [[ -z $(ls -A "$work/cwd") && ! -e $work/config ]] || fail "$*: files written"; }

for help in --help -h; do
  run $help
  [[ $rc -eq 0 && ! -s $work/err ]] || fail "$help: status $rc, stderr $(cat "$work/err")"
  head -1 "$work/out" | grep -q '^usage: dek2018 COMMAND' || fail "$help: no usage line"
  for c in "${commands[@]}"; do grep -q "^  $c " "$work/out" || fail "$help: command $c not listed"; done
done

run --version
[[ $rc -eq 0 && $(head -1 "$work/out") =~ ^dek2018\ [0-9]+\.[0-9]+$ && ! -s $work/err ]] || fail "--version: $(cat "$work/out")"
[[ $(sed -n 2p "$work/out") =~ ^module\ libdek2018\ [0-9]+\.[0-9]+:\ /.*/libdek2018\.so\.0$ && $(wc -l <"$work/out") -eq 2 ]] ||
  fail "--version names no module: $(cat "$work/out")"

for c in "${commands[@]}"; do
  run "$c" --help
  [[ $rc -eq 0 && ! -s $work/err ]] || fail "$c --help: status $rc, stderr $(cat "$work/err")"
  head -1 "$work/out" | grep -q "^usage: dek2018 $c" || fail "$c --help: no usage line"
  grep -q '^Options:$' "$work/out" || fail "$c --help: no options"
  nothing_written "$c --help"

  run "$c" "$pit37" --nie-ma
  [[ $rc -eq 2 && ! -s $work/out ]] || fail "$c --nie-ma: status $rc, stdout $(cat "$work/out")"
  grep -q "^dek2018 $c: Unknown option 'nie-ma'" "$work/err" && grep -q "^usage: dek2018 $c" "$work/err" ||
    fail "$c --nie-ma: stderr $(cat "$work/err")"
  nothing_written "$c --nie-ma"
done

# A value missing at the end of the line.
for line in "render $pit37 --page" "dialog $pit37 --settings" "print $pit37 --out" "preview $pit37 --grab" \
  "demo --out"; do
  read -ra args <<<"$line"
  run "${args[@]}"
  [[ $rc -eq 2 && ! -s $work/out ]] || fail "$line: status $rc"
  grep -q "^dek2018 ${args[0]}: Missing value after '${args[-1]}'" "$work/err" || fail "$line: stderr $(cat "$work/err")"
  nothing_written "$line"
done

# Too many or too few arguments, no command, an unknown command.
for line in "check" "check a.json b.json" "sample pit37 pit36" "render" "print --out x" "" "drukuj"; do
  read -ra args <<<"$line"
  run "${args[@]}"
  [[ $rc -eq 2 && ! -s $work/out && -s $work/err ]] || fail "[$line]: status $rc"
  nothing_written "[$line]"
done

# A file name that is not UTF-8 (ł in ISO-8859-2) reaches the command byte for byte.
odd=$work/zeznanie-$'\xb3'.json
cp "$pit37" "$odd"
run check "$odd"
[[ $rc -eq 0 && $(cat "$work/out") == "$odd: PIT-37" ]] || fail "non-UTF-8 name: status $rc, $(cat "$work/out" "$work/err")"

# Options may come before the file, and repeat where they add up.
run print --out "$work/cwd/out" --printer "Zapis do pliku PDF" --cancel 1,2 --cancel 3 --click kl_zmust --click chbox_st_1 --click chbox_st_2 \
  --click chbox_st_3 --click chbox_st_4 "$pit37"
[[ $rc -eq 0 && $(grep -c '^PROMPT ' "$work/out") -eq 4 && $(grep -c '^SHEET ' "$work/out") -eq 1 ]] ||
  fail "options before the file: status $rc, $(cat "$work/out" "$work/err")"
exit $failed

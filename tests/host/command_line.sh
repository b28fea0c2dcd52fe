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
  grep -qx "dek2018 $c: unknown option --nie-ma" "$work/err" && grep -q "^usage: dek2018 $c" "$work/err" ||
    fail "$c --nie-ma: stderr $(cat "$work/err")"
  nothing_written "$c --nie-ma"
done

# A value missing at the end of the line.
for line in "render $pit37 --page" "dialog $pit37 --settings" "print $pit37 --out" "preview $pit37 --grab" \
  "demo --out"; do
  read -ra args <<<"$line"
  run "${args[@]}"
  [[ $rc -eq 2 && ! -s $work/out ]] || fail "$line: status $rc"
  grep -qx "dek2018 ${args[0]}: missing value after ${args[-1]}" "$work/err" || fail "$line: stderr $(cat "$work/err")"
  nothing_written "$line"
done

# Every usage error in the one style: "dek2018 COMMAND: what", lower case,
# the option as typed.
while IFS='|' read -r line said; do
  read -ra args <<<"$line"
  run "${args[@]}"
  [[ $rc -eq 2 ]] && grep -qx -- "$said" "$work/err" || fail "[$line]: status $rc, stderr $(cat "$work/err")"
done <<EOF
check $pit37 -bogus|dek2018 check: unknown option -bogus
check $pit37 --bogus=1|dek2018 check: unknown option --bogus
render $pit37 --outline=yes --page TF_w37181 --out x.pdf|dek2018 render: unexpected value after --outline
drukuj|dek2018: no command drukuj
|dek2018: no command given
check|dek2018 check: no FILE given
sample pit37 pit36|dek2018 sample: unexpected argument pit36
EOF

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
# The commands that show windows need a display: none named, or one that
# cannot be opened, is said so with status 2, not Qt's abort.
for c in dialog preview; do
  run "$c" "$pit37"
  [[ $rc -eq 2 ]] && grep -qx "dek2018 $c: the command needs a display: none is named (set DISPLAY or WAYLAND_DISPLAY, or QT_QPA_PLATFORM)" "$work/err" ||
    fail "$c without a display: status $rc, stderr $(cat "$work/err")"
  nothing_written "$c without a display"
  rc=0
  (cd "$work/cwd" && env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 XDG_CONFIG_HOME="$work/config" "$exe" "$c" "$pit37" \
    >"$work/out" 2>"$work/err") || rc=$?
  [[ $rc -eq 2 ]] && grep -qx "dek2018 $c: the display cannot be opened (DISPLAY=:97): the command needs a display" "$work/err" ||
    fail "$c on a dead display: status $rc, stderr $(cat "$work/err")"
done
# The others need no screen, whatever DISPLAY names.
rm -rf "$work/cwd" && mkdir "$work/cwd"
while read -r line; do
  read -ra args <<<"$line"
  rc=0
  (cd "$work/cwd" && env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 XDG_CONFIG_HOME="$work/config" "$exe" "${args[@]}" \
    >"$work/out" 2>"$work/err") || rc=$?
  [[ $rc -eq 0 ]] || fail "$line on a dead display: status $rc, stderr $(cat "$work/err")"
done <<EOF
check $pit37
sample pit37
render $pit37 --page TF_w37181 --out p1.png --dpi 20
print $pit37 --pdf r.pdf
demo --out demo
EOF
exit $failed

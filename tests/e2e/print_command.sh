#!/usr/bin/env bash
# `dek2018 print` as a user runs it: one case per call, checking the exit
# status, the transcript on standard output (exactly), standard error, and
# the files written.
#   print_command.sh CASE DEK2018 SAMPLE_DIR
# The PDF printer is named explicitly, and CUPS_SERVER points nowhere, so a
# CUPS server on the machine changes nothing.
set -euo pipefail
case_name=$1
exe=$2
samples=$3
pit37=$samples/pit37.json
pdf_printer="Zapis do pliku PDF"
export CUPS_SERVER=/nonexistent/dek2018-no-cups.sock

work=$(mktemp -d "${TMPDIR:-/tmp}/dek2018-print.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL ($case_name): $*" >&2
  echo "--- stdout:" >&2; cat "$work/stdout" >&2 || true
  echo "--- stderr:" >&2; cat "$work/stderr" >&2 || true
  exit 1
}

# run EXPECTED_STATUS ARGS...: runs dek2018 print ARGS
run() {
  local want=$1; shift
  local rc=0
  "$exe" print "$@" >"$work/stdout" 2>"$work/stderr" || rc=$?
  [[ $rc -eq $want ]] || fail "exit status $rc, expected $want"
}

expect_stdout() {  # the expected lines, each an argument
  printf '%s\n' "$@" >"$work/expected"
  (($#)) || : >"$work/expected"
  cmp -s "$work/expected" "$work/stdout" || { diff "$work/expected" "$work/stdout" >&2 || true; fail "stdout differs"; }
}

expect_stderr() {
  [[ "$(cat "$work/stderr")" == "$1" ]] || fail "stderr: expected [$1]"
}

# A settings file of one 1024-byte record: blank-sheet printing on (bytes
# 0x2D..0x30 = 1), byte 0x40 = 0x5A standing for the host's own data.
make_settings() {
  head -c 1024 /dev/zero >"$1"
  printf '\x01\x01\x01\x01' | dd of="$1" bs=1 seek=$((0x2D)) conv=notrunc status=none
  printf '\x5a' | dd of="$1" bs=1 seek=$((0x40)) conv=notrunc status=none
}
byte_at() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }

prompt1='PROMPT Wydruk zeznania PIT-37 | Wydruk strony 1/4\n\r   Włóż kartkę'
info='INFO Nadruk danych na oryginalnym formularzu jest niedostępny.'
# Untick every available page ("zmiana wszystkich" inverts the ticks), then tick page 1.
only_page1=(--click kl_zmust --click chbox_st_1)

case $case_name in
  page1)
    make_settings "$work/ster.dat"
    run 0 "$pit37" --out "$work/out" --settings "$work/ster.dat" --printer "$pdf_printer" "${only_page1[@]}"
    expect_stdout "$prompt1" "SHEET 1 TF_w37181"
    expect_stderr ""
    [[ -f $work/out/01-TF_w37181.pdf ]] || fail "no 01-TF_w37181.pdf"
    [[ $(ls "$work/out") == "01-TF_w37181.pdf" ]] || fail "other files: $(ls "$work/out")"
    pdfinfo "$work/out/01-TF_w37181.pdf" | grep -q '^Page size: *595\(\.[0-9]*\)\? x 841\.[0-9]* pts (A4)\|^Page size: *595\(\.[0-9]*\)\? x 842\(\.[0-9]*\)\? pts (A4)' ||
      fail "not an A4 page: $(pdfinfo "$work/out/01-TF_w37181.pdf" | grep 'Page size')"
    make_settings "$work/unchanged.dat"
    cmp -s "$work/unchanged.dat" "$work/ster.dat" || fail "settings file changed"
    ;;
  cancel)
    run 0 "$pit37" --out "$work/out" --printer "$pdf_printer" "${only_page1[@]}" --cancel 1
    expect_stdout "$prompt1"
    [[ ! -e $work/out ]] || [[ -z $(ls "$work/out") ]] || fail "a cancelled sheet was printed"
    ;;
  blank_sheet_off)
    # Unticking the blank-sheet box: no printing, and the changed choice is
    # written back to byte 0x30 only.
    make_settings "$work/ster.dat"
    run 0 "$pit37" --out "$work/out" --settings "$work/ster.dat" --printer "$pdf_printer" --click ChB_niezadr
    expect_stdout "$info"
    [[ $(byte_at "$work/ster.dat" $((0x30))) == 0 ]] || fail "byte 0x30 not written"
    [[ $(byte_at "$work/ster.dat" $((0x2D))) == 1 && $(byte_at "$work/ster.dat" $((0x40))) == 90 ]] ||
      fail "other bytes changed"
    [[ $(stat -c %s "$work/ster.dat") == 1024 ]] || fail "file size changed"
    ;;
  missing_settings)
    # A named settings file that does not exist is not created, and writing
    # the changed choice back is an error.
    run 1 "$pit37" --out "$work/out" --settings "$work/none.dat" --printer "$pdf_printer" --click ChB_niezadr
    expect_stdout "$info" "ERROR settings file $work/none.dat: open: No such file or directory"
    [[ ! -e $work/none.dat ]] || fail "settings file created"
    ;;
  printer_error)
    # The PDF printer cannot start the run: an error, not a printed sheet.
    : >"$work/file"
    run 1 "$pit37" --out "$work/file/out" --printer "$pdf_printer" "${only_page1[@]}"
    expect_stdout "$prompt1" \
      "ERROR printer \"$pdf_printer\": cannot start the print run: folder $work/file/out: Not a directory"
    ;;
  disabled_click)
    # A disabled component does nothing when clicked: no PIT/O here.
    printf '{"form": "PIT-37", "rekdek": {"ilzal": {"2": 1}}}' >"$work/r.json"
    run 0 "$work/r.json" --out "$work/out" --printer "$pdf_printer" --click kl_zmust --click chbox_o_1 \
      --click chbox_st_1
    expect_stdout "$prompt1" "SHEET 1 TF_w37181"
    ;;
  hidden_click)
    # dr_bezp non-zero hides the blank-sheet box: clicking it does nothing,
    # printing stays unavailable and nothing is written back.
    make_settings "$work/ster.dat"
    printf '\x01' | dd of="$work/ster.dat" bs=1 seek=2 conv=notrunc status=none
    cp "$work/ster.dat" "$work/before.dat"
    run 0 "$pit37" --out "$work/out" --settings "$work/ster.dat" --printer "$pdf_printer" --click ChB_niezadr
    expect_stdout "$info"
    cmp -s "$work/before.dat" "$work/ster.dat" || fail "settings file changed"
    ;;
  unknown_component)
    run 2 "$pit37" --out "$work/out" --click kl_foo
    expect_stdout
    expect_stderr "dek2018 print: the dialog has no component kl_foo"
    ;;
  unknown_printer)
    run 2 "$pit37" --out "$work/out" --printer "Nie ma takiej"
    expect_stdout
    expect_stderr "dek2018 print: no printer named \"Nie ma takiej\" (printers: $pdf_printer)"
    ;;
  bad_return)
    printf '{"form": "PIT-37", "rekdek": {"nip": 5}}' >"$work/bad.json"
    run 2 "$work/bad.json" --out "$work/out"
    expect_stdout
    grep -q "^$work/bad.json: rekdek.nip: " "$work/stderr" || fail "error does not name the file and field"
    ;;
  bad_usage)
    run 2 "$pit37"
    run 2 "$pit37" --out "$work/out" --cancel 0
    run 2 "$pit37" --out "$work/out" --cancel 1,x
    ;;
  demo)
    # Every sheet of every built-in sample, one folder per sample; a sample
    # whose dialog is not in this build is named and skipped.
    (cd "$work" && "$exe" demo --out "$work/demo" >"$work/stdout" 2>"$work/stderr") || fail "demo failed"
    expect_stderr ""
    mapfile -t lines <"$work/stdout"
    [[ ${#lines[@]} -eq 4 ]] || fail "one line per sample expected"
    k=0
    for sample in pit37 pit36 pit36l pit28; do
      line=${lines[k]}; k=$((k + 1))
      if [[ $line =~ ^$sample:\ the\ PIT-[0-9L]+\ print\ dialog\ \(Tf_wydpit[0-9L]+\)\ is\ not\ available\ yet\;\ skipped$ ]]; then
        [[ $sample != pit37 ]] || fail "the PIT-37 dialog was skipped"
        [[ ! -e $work/demo/$sample ]] || fail "a folder for the skipped $sample"
        continue
      fi
      [[ $line =~ ^$sample:\ ([0-9]+)\ sheets?\ in\ (.*)$ ]] || fail "unexpected line: $line"
      n=${BASH_REMATCH[1]}
      [[ ${BASH_REMATCH[2]} == "$work/demo/$sample" ]] || fail "folder: $line"
      ((n > 0)) || fail "no sheet for $sample"
      mapfile -t files < <(ls "$work/demo/$sample")
      [[ ${#files[@]} -eq $n ]] || fail "$sample: ${#files[@]} files for $n sheets"
      for ((i = 0; i < n; ++i)); do
        [[ ${files[i]} =~ ^$(printf '%02d' $((i + 1)))-TF_w[0-9a-z_]+\.pdf$ ]] || fail "$sample: file ${files[i]}"
        pdfinfo "$work/demo/$sample/${files[i]}" | grep -q '^Page size: .*(A4)' || fail "${files[i]} is not A4"
      done
    done
    [[ -f $work/demo/pit37/01-TF_w37181.pdf ]] || fail "no PIT-37 page 1"
    ;;
  dialog_bad_return)
    printf '{"form": "PIT-99"}' >"$work/bad.json"
    rc=0
    "$exe" dialog "$work/bad.json" >"$work/stdout" 2>"$work/stderr" || rc=$?
    [[ $rc -eq 2 ]] || fail "exit status $rc, expected 2"
    grep -q "^$work/bad.json: " "$work/stderr" || fail "error does not name the file"
    ;;
  *)
    fail "no such case"
    ;;
esac

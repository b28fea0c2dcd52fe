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
pit37_titles='PIT-37 1/4|PIT-37 2/4|PIT-37 3/4|PIT-37 4/4|PIT/O 1/4|PIT/O 2/4|PIT/O 3/4|PIT/O 4/4|PIT/D 1/2|PIT/D 2/2|PIT-2K 1/1'

# The bookmarks of a PDF, one line each: "title|page".
bookmarks() {
  qpdf --json --json-key=outlines "$1" | jq -r '.outlines[] | "\(.title)|\(.destpageposfrom1)"'
}
pages_of() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }

# A PDF that qpdf finds sound, whose fonts are all embedded and each once.
check_document() {
  qpdf --check "$1" >"$work/check" 2>&1 || { cat "$work/check" >&2; fail "qpdf --check: $1"; }
  pdffonts "$1" | tail -n +3 >"$work/fonts"
  [[ -s $work/fonts ]] || fail "no fonts in $1"
  awk '$(NF-4) != "yes" { bad = 1 } END { exit bad }' "$work/fonts" || fail "a font not embedded: $(cat "$work/fonts")"
  [[ -z $(awk '{ print $1 }' "$work/fonts" | sort | uniq -d) ]] || fail "a font embedded twice: $(cat "$work/fonts")"
}

# The same run with --out into the PDF printer's folder: its transcript.
out_transcript() {
  "$exe" print "$@" --out "$work/sheets" --printer "$pdf_printer" >"$work/out_transcript" 2>/dev/null || true
}
# start_print_server MODE: a misbehaving print server of fake_print_server.py
# on 127.0.0.1 as CUPS_SERVER, ended with the case; what it was asked goes
# to $work/asked.
start_print_server() {
  python3 "$(dirname "$0")/fake_print_server.py" "$1" "$work/port" "$work/asked" &
  server=$!
  trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
  for ((i = 0; i < 100; ++i)); do [[ -s $work/port ]] && break; sleep 0.05; done
  export CUPS_SERVER=127.0.0.1:$(cat "$work/port")
}

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
  form_dialogs)
    # Each form opens its own dialog: unticking the blank-sheet box writes
    # that dialog's byte of the settings record and no other.
    for pair in pit37:48 pit36:46 pit36l:47 pit28:45; do
      sample=${pair%%:*}
      at=${pair##*:}
      "$exe" sample "$sample" >"$work/$sample.json"
      make_settings "$work/ster.dat"
      run 0 "$work/$sample.json" --out "$work/out" --settings "$work/ster.dat" --click ChB_niezadr
      expect_stdout "$info"
      for byte in 45 46 47 48; do
        want=1
        ((byte != at)) || want=0
        [[ $(byte_at "$work/ster.dat" "$byte") == "$want" ]] || fail "$sample: byte $byte not $want"
      done
    done
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
    # Every sheet of every built-in sample, one folder per sample: the sheets
    # that `dek2018 print` of the sample prints, in the same order.
    (cd "$work" && "$exe" demo --out "$work/demo" >"$work/stdout" 2>"$work/stderr") || fail "demo failed"
    expect_stderr ""
    mapfile -t lines <"$work/stdout"
    [[ ${#lines[@]} -eq 4 ]] || fail "one line per sample expected"
    k=0
    for sample in pit37 pit36 pit36l pit28; do
      line=${lines[k]}; k=$((k + 1))
      [[ $line =~ ^$sample:\ ([0-9]+)\ sheets?\ in\ (.*)$ ]] || fail "unexpected line: $line"
      n=${BASH_REMATCH[1]}
      [[ ${BASH_REMATCH[2]} == "$work/demo/$sample" ]] || fail "folder: $line"
      "$exe" sample "$sample" >"$work/$sample.json"
      XDG_CONFIG_HOME=$work/config "$exe" print "$work/$sample.json" --out "$work/print" --printer "$pdf_printer" \
        >"$work/$sample.transcript" || fail "print of $sample failed"
      mapfile -t want < <(sed -n 's/^SHEET \([0-9]*\) \([^ ]*\).*$/\1-\2.pdf/p' "$work/$sample.transcript" |
        awk -F- '{ printf "%02d-%s\n", $1, substr($0, index($0, "-") + 1) }')
      ((n == ${#want[@]})) || fail "$sample: $n sheets, the print command prints ${#want[@]}"
      mapfile -t files < <(ls "$work/demo/$sample" 2>/dev/null)
      [[ "${files[*]}" == "${want[*]}" ]] || fail "$sample: files ${files[*]}, expected ${want[*]}"
      for file in "${files[@]}"; do
        pdfinfo "$work/demo/$sample/$file" | grep -q '^Page size: .*(A4)' || fail "$file is not A4"
      done
    done
    [[ $(ls "$work/demo/pit37" | wc -l) -eq 11 ]] || fail "the PIT-37 sample has eleven sheets"
    ;;
  pdf_document)
    # One document of the sample: a page per SHEET line, bookmarked in order,
    # the same transcript as printing into the folder.
    run 0 "$pit37" --pdf "$work/zeznanie.pdf"
    expect_stderr ""
    out_transcript "$pit37"
    cmp -s "$work/out_transcript" "$work/stdout" || fail "transcript differs from that of --out"
    sheets=$(grep -c '^SHEET ' "$work/stdout")
    [[ $sheets -eq 11 && $(pages_of "$work/zeznanie.pdf") -eq $sheets ]] || fail "pages $(pages_of "$work/zeznanie.pdf")"
    want=$(tr '|' '\n' <<<"$pit37_titles" | awk '{ print $0 "|" NR }')
    [[ $(bookmarks "$work/zeznanie.pdf") == "$want" ]] || fail "bookmarks: $(bookmarks "$work/zeznanie.pdf")"
    pdfinfo "$work/zeznanie.pdf" | grep -q '^Title: *PIT-37 2018$' || fail "document title"
    pdfinfo "$work/zeznanie.pdf" | grep -q '^Page size: .*(A4)' || fail "not A4"
    check_document "$work/zeznanie.pdf"
    [[ $(ls -A "$work" | grep -c zeznanie) -eq 1 ]] || fail "files beside the document: $(ls -A "$work")"
    for f in "$work/sheets"/*.pdf; do qpdf --check "$f" >/dev/null || fail "qpdf --check: $f"; done
    # The title is the form as its first page prints it.
    "$exe" sample pit36 | jq '.rekdek.spadek = true' >"$work/spadek.json"
    run 0 "$work/spadek.json" --pdf "$work/spadek.pdf" --click kl_zmust --click chbox_st_1
    pdfinfo "$work/spadek.pdf" | grep -q '^Title: *PIT-36S 2018$' || fail "title: $(pdfinfo "$work/spadek.pdf" | grep Title)"
    # Each page is, pixel for pixel, the sheet the PDF printer wrote in the run with --out.
    for ((n = 1; n <= sheets; n++)); do
      sheet=$(ls "$work/sheets/$(printf %02d "$n")"-*.pdf)
      pdftoppm -r 30 -gray -f "$n" -l "$n" -singlefile "$work/zeznanie.pdf" "$work/page"
      pdftoppm -r 30 -gray -singlefile "$sheet" "$work/sheet"
      cmp -s "$work/page.pgm" "$work/sheet.pgm" || fail "page $n differs from $sheet"
    done
    ;;
  pdf_cancel)
    # A cancelled prompt: neither its page nor its bookmark.
    run 0 "$pit37" --pdf "$work/zeznanie.pdf" --cancel 2,9
    out_transcript "$pit37" --cancel 2,9
    cmp -s "$work/out_transcript" "$work/stdout" || fail "transcript differs from that of --out"
    [[ $(pages_of "$work/zeznanie.pdf") -eq 9 ]] || fail "pages $(pages_of "$work/zeznanie.pdf")"
    want=$(tr '|' '\n' <<<"$pit37_titles" | grep -v -e '^PIT-37 2/4$' -e '^PIT/D 1/2$' | awk '{ print $0 "|" NR }')
    [[ $(bookmarks "$work/zeznanie.pdf") == "$want" ]] || fail "bookmarks: $(bookmarks "$work/zeznanie.pdf")"
    # Every prompt cancelled: no document at all, rather than an empty one.
    run 0 "$pit37" --pdf "$work/pusty.pdf" --cancel 1,2,3,4,5,6,7,8,9,10,11
    [[ ! -e $work/pusty.pdf ]] || fail "a document without sheets"
    expect_stderr "dek2018 print: no sheet printed; $work/pusty.pdf not written"
    ;;
  pdfa)
    run 0 "$pit37" --pdf "$work/archiwum.pdf" --pdfa
    check_document "$work/archiwum.pdf"
    pdfinfo -meta "$work/archiwum.pdf" >"$work/meta"
    grep -q 'pdfaid:part="1"' "$work/meta" && grep -q 'pdfaid:conformance="B"' "$work/meta" ||
      fail "no PDF/A-1b declaration: $(cat "$work/meta")"
    grep -q '<rdf:li xml:lang="x-default">PIT-37 2018</rdf:li>' "$work/meta" || fail "metadata title"
    [[ $(bookmarks "$work/archiwum.pdf" | wc -l) -eq 11 ]] || fail "bookmarks lost"
    ;;
  pdf_write_fails)
    # The document's name is a folder: the run's error, naming the file,
    # and nothing left beside it.
    mkdir -p "$work/wyniki/zeznanie.pdf"
    run 1 "$pit37" --pdf "$work/wyniki/zeznanie.pdf" "${only_page1[@]}"
    expect_stdout "$prompt1" "SHEET 1 TF_w37181" "ERROR cannot write $work/wyniki/zeznanie.pdf: Is a directory"
    [[ $(ls -A "$work/wyniki") == zeznanie.pdf && -z $(ls -A "$work/wyniki/zeznanie.pdf") ]] ||
      fail "left behind: $(ls -AR "$work/wyniki")"
    ;;
  pdf_usage)
    # Each is refused before anything is written.
    cp "$pit37" "$work/drugi.json"
    for args in "--pdf $work/a.pdf --out $work/out" "--pdf $work/a.pdf --printer $pdf_printer" \
      "--pdf $work/a.pdf $work/drugi.json" "--pdf-dir $work/out --printer $pdf_printer" "--out $work/out --pdfa" \
      "--pdf" "--pdfa"; do
      read -ra list <<<"$args"
      run 2 "$pit37" "${list[@]}"
      expect_stdout
      grep -q '^usage: dek2018 print' "$work/stderr" || fail "$args: no usage"
    done
    [[ $(ls "$work") == "$(printf '%s\n' drugi.json expected stderr stdout)" ]] || fail "written: $(ls "$work")"
    ;;
  batch)
    # Three files, the middle one broken: it is named with its field on
    # standard error and skipped; the others print into a folder each.
    "$exe" sample pit36l >"$work/pit36l.json"
    printf '{"form": "PIT-37", "rekdek": {"nip": 5}}' >"$work/zly.json"
    run 2 "$pit37" "$work/zly.json" "$work/pit36l.json" --out "$work/out" --printer "$pdf_printer"
    [[ $(grep '^FILE ' "$work/stdout") == "$(printf 'FILE %s\n' "$pit37" "$work/zly.json" "$work/pit36l.json")" ]] ||
      fail "FILE lines"
    [[ $(cat "$work/stderr") == "$work/zly.json: rekdek.nip: "* && $(wc -l <"$work/stderr") -eq 1 ]] ||
      fail "stderr: the bad file and its field only, no progress line"
    [[ $(ls "$work/out") == "$(printf '%s\n' pit36l pit37)" ]] || fail "folders: $(ls "$work/out")"
    # Each file's part of the transcript is its own run's.
    sed -n '/^FILE .*pit37.json$/,/^FILE /p' "$work/stdout" | sed '1d;$d' >"$work/part"
    "$exe" print "$pit37" --out "$work/single" --printer "$pdf_printer" >"$work/single_transcript"
    cmp -s "$work/part" "$work/single_transcript" || fail "pit37's transcript differs from its own run"
    [[ $(ls "$work/out/pit37") == "$(ls "$work/single")" ]] || fail "pit37's sheets differ from its own run"
    # As documents: DIR/<stem>.pdf, made with its folder.
    run 2 "$pit37" "$work/zly.json" "$work/pit36l.json" --pdf-dir "$work/pdf/new"
    [[ $(ls "$work/pdf/new") == "$(printf '%s\n' pit36l.pdf pit37.pdf)" ]] || fail "documents: $(ls "$work/pdf/new")"
    for f in "$work/pdf/new"/*.pdf; do check_document "$f"; done
    # No error: 0; an error in one run: 1.
    run 0 "$pit37" "$work/pit36l.json" --out "$work/out2" --printer "$pdf_printer"
    mkdir -p "$work/pdf/pit37.pdf"
    run 1 "$pit37" "$work/pit36l.json" --pdf-dir "$work/pdf"
    grep -q "^ERROR cannot write $work/pdf/pit37.pdf: Is a directory$" "$work/stdout" || fail "no ERROR line"
    [[ -f $work/pdf/pit36l.pdf ]] || fail "the run after the failed one did not print"
    ;;
  batch_same_stem)
    mkdir -p "$work/inny"
    cp "$pit37" "$work/inny/pit37.json"
    run 2 "$pit37" "$work/inny/pit37.json" --out "$work/out"
    expect_stdout
    expect_stderr "dek2018 print: $pit37 and $work/inny/pit37.json would both print as \"pit37\"; nothing printed"
    [[ ! -e $work/out ]] || fail "something printed"
    ;;
  batch_progress)
    # On a terminal, the progress line is written and rewritten in place.
    cp "$pit37" "$work/drugi.json"
    script -qec "\"$exe\" print \"$pit37\" \"$work/drugi.json\" --out \"$work/out\" --printer \"$pdf_printer\" \
      2>&1 >\"$work/stdout\"" "$work/terminal" >/dev/null || fail "batch on a terminal failed"
    grep -q $'\r\e\[K1/2 pit37.json' "$work/terminal" && grep -q $'\r\e\[K2/2 drugi.json' "$work/terminal" ||
      fail "no progress line: $(od -c "$work/terminal" | head)"
    [[ $(grep -c '^SHEET ' "$work/stdout") -eq 22 ]] || fail "transcript"
    ;;
  preview_grab)
    # The preview without a screen: a PNG of the window, no word on stderr.
    rc=0
    "$exe" preview "$pit37" --grab "$work/podglad.png" >"$work/stdout" 2>"$work/stderr" || rc=$?
    [[ $rc -eq 0 ]] || fail "exit status $rc"
    expect_stdout
    expect_stderr ""
    [[ $(head -c 8 "$work/podglad.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "not a PNG"
    mkdir "$work/folder.png"
    rc=0
    "$exe" preview "$pit37" --grab "$work/folder.png" >"$work/stdout" 2>"$work/stderr" || rc=$?
    [[ $rc -eq 1 ]] || fail "exit status $rc writing over a folder"
    grep -q "^dek2018 preview: cannot write $work/folder.png: " "$work/stderr" || fail "no error naming the file"
    ;;
  dialog_bad_return)
    printf '{"form": "PIT-99"}' >"$work/bad.json"
    rc=0
    "$exe" dialog "$work/bad.json" >"$work/stdout" 2>"$work/stderr" || rc=$?
    [[ $rc -eq 2 ]] || fail "exit status $rc, expected 2"
    grep -q "^$work/bad.json: " "$work/stderr" || fail "error does not name the file"
    ;;
  click_empty)
    # An empty name is no component's name either.
    run 2 "$pit37" --out "$work/out" --click ""
    expect_stdout
    expect_stderr 'dek2018 print: the dialog has no component ""'
    ;;
  output_full)
    # Standard output that cannot be written: an error, for every command.
    rc=0
    "$exe" sample pit37 >/dev/full 2>"$work/stderr" || rc=$?
    [[ $rc -eq 1 ]] || fail "sample: exit status $rc, expected 1"
    expect_stderr "dek2018: cannot write to standard output: No space left on device"
    rc=0
    "$exe" check "$pit37" >&- 2>"$work/stderr" || rc=$?
    [[ $rc -eq 1 ]] || fail "check: exit status $rc, expected 1"
    expect_stderr "dek2018: cannot write to standard output: Bad file descriptor"
    rc=0
    "$exe" print "$pit37" --out "$work/out" --printer "$pdf_printer" "${only_page1[@]}" >/dev/full 2>"$work/stderr" ||
      rc=$?
    [[ $rc -eq 1 ]] || fail "print: exit status $rc, expected 1"
    grep -q '^dek2018: cannot write to standard output' "$work/stderr" || fail "no message"
    ;;
  symlink)
    # A link planted at a sheet's name is replaced by the sheet; the file it
    # points to stays as it was.
    mkdir -p "$work/out"
    echo "do not overwrite" >"$work/victim"
    ln -s "$work/victim" "$work/out/01-TF_w37181.pdf"
    run 0 "$pit37" --out "$work/out" --printer "$pdf_printer" "${only_page1[@]}"
    [[ $(cat "$work/victim") == "do not overwrite" ]] || fail "written through the link"
    [[ -f $work/out/01-TF_w37181.pdf && ! -L $work/out/01-TF_w37181.pdf ]] || fail "the sheet is not a file of its own"
    head -c 5 "$work/out/01-TF_w37181.pdf" | grep -q '%PDF-' || fail "not a PDF"
    [[ $(ls -A "$work/out") == "$(printf '%s\n' .dek2018.lock 01-TF_w37181.pdf)" ]] ||
      fail "files left: $(ls -A "$work/out")"
    # The render command writes the same way.
    ln -s "$work/victim" "$work/page.png"
    "$exe" render "$pit37" --page TF_w37181 --out "$work/page.png" --dpi 20 >/dev/null 2>&1 || fail "render failed"
    [[ $(cat "$work/victim") == "do not overwrite" && ! -L $work/page.png ]] || fail "render wrote through the link"
    ;;
  stale_sheets)
    # A second print into the same folder: the first one's sheets go before
    # its first sheet, links among them removed and not followed; nothing else
    # is touched. A print whose every sheet is cancelled removes nothing.
    run 0 "$pit37" --out "$work/out" --printer "$pdf_printer"
    [[ -f $work/out/02-TF_w37182.pdf && -f $work/out/11-TF_w2k18_1.pdf ]] || fail "first print: $(ls "$work/out")"
    n=$(ls "$work/out" | wc -l)
    echo kept >"$work/kept"
    ln -s "$work/kept" "$work/out/12-TF_w37183.pdf"
    mkdir "$work/out/13-TF_w37184.pdf"
    # Names of the user's own that look like sheets: no such page class, a
    # year where a run number would be, a run number as no run writes it.
    for other in notes.txt 01-TF_w37181.pdf.bak 1-TF_w37181.pdf 01-TF_x.pdf 01-TF_w37181.PDF \
      01-TF_w37181_podpisany.pdf 2018-TF_wyciag_bankowy.pdf 2018-TF_w37182.pdf 007-TF_w37181.pdf; do
      echo other >"$work/out/$other"
    done
    run 0 "$pit37" --out "$work/out" --printer "$pdf_printer" "${only_page1[@]}" --cancel 1
    [[ -f $work/out/02-TF_w37182.pdf ]] || fail "a cancelled print removed sheets"
    expect_stderr ""
    run 0 "$pit37" --out "$work/out" --printer "$pdf_printer" "${only_page1[@]}"
    expect_stderr "dek2018: printer \"$pdf_printer\": removed $((n + 1)) sheets of an earlier print from $work/out"
    [[ $(cat "$work/kept") == kept ]] || fail "a link was followed"
    mapfile -t left < <(ls -A "$work/out")
    [[ "${left[*]}" == ".dek2018.lock 007-TF_w37181.pdf 01-TF_w37181.PDF 01-TF_w37181.pdf 01-TF_w37181.pdf.bak 01-TF_w37181_podpisany.pdf 01-TF_x.pdf 1-TF_w37181.pdf 13-TF_w37184.pdf 2018-TF_w37182.pdf 2018-TF_wyciag_bankowy.pdf notes.txt" ]] ||
      fail "left in the folder: ${left[*]}"
    for other in 01-TF_w37181_podpisany.pdf 2018-TF_wyciag_bankowy.pdf; do
      [[ $(cat "$work/out/$other") == other ]] || fail "$other changed"
    done
    ;;
  disk_full)
    # A sheet that does not fit the disk: the system's reason, and no partial
    # file. Needs root for a small file system of its own.
    if [[ $(id -u) -ne 0 ]]; then echo "skipped: needs root to mount a small tmpfs" >&2; exit 77; fi
    mkdir -p "$work/small"
    mount -t tmpfs -o size=64k tmpfs "$work/small" 2>"$work/mount.err" ||
      { echo "skipped: cannot mount a tmpfs: $(cat "$work/mount.err")" >&2; exit 77; }
    trap 'umount "$work/small" 2>/dev/null; rm -rf "$work"' EXIT
    mkdir "$work/small/out"
    dd if=/dev/zero of="$work/small/filler" bs=4k count=14 status=none 2>/dev/null || true
    run 1 "$pit37" --out "$work/small/out" --printer "$pdf_printer" "${only_page1[@]}"
    expect_stdout "$prompt1" \
      "ERROR printer \"$pdf_printer\": cannot finish the print run: $work/small/out/01-TF_w37181.pdf: No space left on device"
    [[ $(ls -A "$work/small/out") == .dek2018.lock ]] || fail "left behind: $(ls -A "$work/small/out")"
    cat /dev/zero >"$work/small/rest" 2>/dev/null || true  # the disk now full
    rc=0
    "$exe" sample pit37 >"$work/small/out/pit37.json" 2>"$work/stderr" || rc=$?
    [[ $rc -eq 1 ]] || fail "sample: exit status $rc, expected 1"
    expect_stderr "dek2018: cannot write to standard output: No space left on device"
    ;;
  settings_unusable)
    # A default settings location that cannot be examined: an error naming
    # the settings file and the reason, exit status 2, in print and dialog.
    long=/$(printf 'x%.0s' {1..5000})
    for command in print dialog; do
      rc=0
      XDG_CONFIG_HOME=$long "$exe" $command "$pit37" --out "$work/out" >"$work/stdout" 2>"$work/stderr" || rc=$?
      [[ $rc -eq 2 ]] || fail "$command: exit status $rc, expected 2"
      [[ $(cat "$work/stderr") == "dek2018 $command: settings file $long/dek2018/rekster.dat: File name too long" ]] ||
        fail "$command: message"
    done
    # A folder the user may not enter (run as another user where that is possible).
    if [[ $(id -u) -eq 0 ]] && command -v setpriv >/dev/null; then
      mkdir -m 700 "$work/locked"
      chmod 755 "$work"
      rc=0
      XDG_CONFIG_HOME=$work/locked/config setpriv --reuid=nobody --regid=nogroup --clear-groups \
        "$exe" print "$pit37" --out /tmp/dek2018-never >"$work/stdout" 2>"$work/stderr" || rc=$?
      [[ $rc -eq 2 ]] || fail "locked: exit status $rc, expected 2"
      [[ $(cat "$work/stderr") == "dek2018 print: settings file $work/locked/config/dek2018/rekster.dat: Permission denied" ]] ||
        fail "locked: message"
    fi
    ;;
  settings_fifo)
    # A FIFO named as the settings file is refused at once.
    mkfifo "$work/ster.fifo"
    rc=0
    timeout 20 "$exe" print "$pit37" --out "$work/out" --settings "$work/ster.fifo" >"$work/stdout" 2>"$work/stderr" ||
      rc=$?
    [[ $rc -eq 2 ]] || fail "exit status $rc, expected 2 (124: it waited)"
    expect_stderr "dek2018 print: settings file $work/ster.fifo: not a regular file"
    ;;
  folder_lock)
    # A print holds its --out folder: a second one into it is refused before
    # it writes or removes anything; a batch holds DIR itself.
    mkdir -p "$work/out"
    echo earlier >"$work/out/01-TF_w37181.pdf"
    exec 9>"$work/out/.dek2018.lock"
    flock -n 9 || fail "cannot take the lock for the test"
    run 2 "$pit37" --out "$work/out" --printer "$pdf_printer" "${only_page1[@]}"
    expect_stdout
    expect_stderr "dek2018 print: another print is writing into the folder $work/out; nothing printed"
    [[ $(cat "$work/out/01-TF_w37181.pdf") == earlier ]] || fail "the held folder's sheet was touched"
    cp "$pit37" "$work/drugi.json"
    run 2 "$pit37" "$work/drugi.json" --out "$work/out" --printer "$pdf_printer"
    expect_stdout
    [[ ! -e $work/out/pit37 && ! -e $work/out/drugi ]] || fail "the batch printed into the held folder"
    exec 9>&-
    # Let go: the next print takes the folder; the lock file is no sheet.
    run 0 "$pit37" --out "$work/out" --printer "$pdf_printer" "${only_page1[@]}"
    expect_stderr "dek2018: printer \"$pdf_printer\": removed 1 sheet of an earlier print from $work/out"
    [[ $(ls "$work/out") == 01-TF_w37181.pdf ]] || fail "folder: $(ls -A "$work/out")"
    # Two at once: a print stopped halfway holds its folder; the second is
    # refused and the first, let go on, prints whole.
    "$exe" print "$pit37" --out "$work/both" --printer "$pdf_printer" >"$work/first" 2>&1 &
    first=$!
    for ((i = 0; i < 400; ++i)); do [[ -e $work/both/.dek2018.lock ]] && break; sleep 0.01; done
    kill -STOP "$first"
    if [[ $(ps -o stat= -p "$first") == T* ]]; then
      run 2 "$pit37" --out "$work/both" --printer "$pdf_printer" "${only_page1[@]}"
      expect_stderr "dek2018 print: another print is writing into the folder $work/both; nothing printed"
    fi
    kill -CONT "$first"
    wait "$first" || fail "the first print failed: $(cat "$work/first")"
    [[ $(grep -c '^SHEET ' "$work/first") -eq 11 && $(ls "$work/both" | wc -l) -eq 11 ]] ||
      fail "the first print's sheets: $(ls "$work/both")"
    ;;
  pdf_targets)
    # --pdf replaces a file or a link, and nothing else: a FIFO, a device or
    # an input of the run is refused before anything prints.
    mkfifo "$work/fifo.pdf"
    targets=("$work/fifo.pdf")
    if mknod "$work/null.pdf" c 1 3 2>/dev/null; then targets+=("$work/null.pdf"); fi
    for target in "${targets[@]}"; do
      run 2 "$pit37" --pdf "$target"
      expect_stdout
      expect_stderr "dek2018 print: $target is not a regular file; nothing printed"
    done
    [[ -p $work/fifo.pdf ]] || fail "the FIFO was replaced"
    [[ ${#targets[@]} -lt 2 || -c $work/null.pdf ]] || fail "the device was replaced"
    cp "$pit37" "$work/r.json"
    cp "$pit37" "$work/r.pdf"
    ln -s "$work/r.json" "$work/link.pdf"
    ln "$work/r.json" "$work/hard.pdf"
    for target in "$work/r.json" "$work/link.pdf" "$work/hard.pdf"; do
      run 2 "$work/r.json" --pdf "$target"
      expect_stdout
      expect_stderr "dek2018 print: $target is the input $work/r.json; nothing printed"
    done
    make_settings "$work/ster.dat"
    run 2 "$work/r.json" --pdf "$work/ster.dat" --settings "$work/ster.dat"
    expect_stderr "dek2018 print: $work/ster.dat is the input $work/ster.dat; nothing printed"
    # A return named .pdf in the --pdf-dir folder would be its own document.
    run 2 "$work/r.pdf" --pdf-dir "$work"
    expect_stderr "dek2018 print: $work/r.pdf is the input $work/r.pdf; nothing printed"
    cmp -s "$pit37" "$work/r.json" && cmp -s "$pit37" "$work/r.pdf" || fail "an input was overwritten"
    [[ -L $work/link.pdf ]] || fail "the link was replaced"
    # A link to something else is replaced, as before, and not followed.
    echo kept >"$work/kept"
    ln -s "$work/kept" "$work/other.pdf"
    run 0 "$pit37" --pdf "$work/other.pdf" "${only_page1[@]}"
    [[ ! -L $work/other.pdf && $(cat "$work/kept") == kept ]] || fail "the link was followed"
    ;;
  batch_names)
    # A return whose name without extension is empty, "." or ".." has no
    # folder of its own: the whole run is refused, nothing printed or removed.
    mkdir -p "$work/in" "$work/out"
    echo earlier >"$work/01-TF_w37181.pdf"
    cp "$pit37" "$work/in/...json"
    cp "$pit37" "$work/in/..json"
    cp "$pit37" "$work/in/dobry.json"
    for name in ...json ..json; do
      run 2 "$work/in/dobry.json" "$work/in/$name" --out "$work/out" --printer "$pdf_printer"
      expect_stdout
      stem=${name%.json}
      expect_stderr "dek2018 print: $work/in/$name has no name to print under (\"$stem\"); nothing printed"
      run 2 "$work/in/$name" --pdf-dir "$work/out"
      expect_stdout
    done
    [[ -z $(ls "$work/out") && $(cat "$work/01-TF_w37181.pdf") == earlier ]] ||
      fail "printed: $(ls -A "$work/out" "$work")"
    ;;
  transcript_names)
    # A file name cannot forge a transcript line: the FILE line escapes its
    # line breaks as the PROMPT lines do.
    name=$'x\nSHEET 99 TF_w37184'
    cp "$pit37" "$work/$name.json"
    cp "$pit37" "$work/drugi.json"
    run 0 "$work/$name.json" "$work/drugi.json" --out "$work/out" --printer "$pdf_printer" "${only_page1[@]}"
    ! grep -q '^SHEET 99' "$work/stdout" || fail "a forged SHEET line"
    grep -qxF "FILE $work/x\\nSHEET 99 TF_w37184.json" "$work/stdout" || fail "no escaped FILE line"
    [[ $(wc -l <"$work/stdout") -eq 6 ]] || fail "not one line per event"
    ;;
  long_names)
    # An output name as long as the file system takes (255 bytes).
    for length in 250 254 255; do
      target=$work/$(printf 'z%.0s' $(seq $((length - 4)))).pdf
      run 0 "$pit37" --pdf "$target" "${only_page1[@]}"
      [[ -s $target ]] || fail "$length bytes: not written"
      rm -f "$target"
    done
    [[ -z $(ls -A "$work" | grep '^\.') ]] || fail "hidden files left: $(ls -A "$work")"
    ;;
  keep_mode)
    # Printing over a private document keeps it private (and its owner, as root).
    run 0 "$pit37" --pdf "$work/zeznanie.pdf" "${only_page1[@]}"
    [[ $(stat -c %a "$work/zeznanie.pdf") == "$(printf '%o' $((0666 & ~$(umask))))" ]] ||
      fail "a new document: mode $(stat -c %a "$work/zeznanie.pdf")"
    chmod 600 "$work/zeznanie.pdf"
    if [[ $(id -u) -eq 0 ]]; then chown nobody:nogroup "$work/zeznanie.pdf"; fi
    run 0 "$pit37" --pdf "$work/zeznanie.pdf" "${only_page1[@]}"
    [[ $(stat -c %a "$work/zeznanie.pdf") == 600 ]] || fail "mode $(stat -c %a "$work/zeznanie.pdf")"
    if [[ $(id -u) -eq 0 ]]; then
      [[ $(stat -c %U:%G "$work/zeznanie.pdf") == nobody:nogroup ]] || fail "owner $(stat -c %U:%G "$work/zeznanie.pdf")"
    fi
    ;;
  silent_server)
    # A print server that takes the connection and never answers: demo,
    # --pdf and --pdf-dir never ask it; --out waits at most 5 s for the
    # printer list, says so, and prints with the PDF printer.
    start_print_server silent
    (cd "$work" && timeout 60 "$exe" demo --out "$work/demo" >"$work/stdout" 2>"$work/stderr") ||
      fail "demo: $(cat "$work/stderr")"
    timeout 60 "$exe" print "$pit37" --pdf "$work/z.pdf" >/dev/null 2>&1 || fail "--pdf"
    timeout 60 "$exe" print "$pit37" --pdf-dir "$work/docs" >/dev/null 2>&1 || fail "--pdf-dir"
    [[ ! -s $work/asked ]] || fail "the print server was asked: $(cat "$work/asked")"
    rc=0
    timeout 30 "$exe" print "$pit37" --out "$work/out" "${only_page1[@]}" >"$work/stdout" 2>"$work/stderr" || rc=$?
    [[ $rc -eq 0 ]] || fail "--out: exit status $rc (124: it waited)"
    expect_stdout "$prompt1" "SHEET 1 TF_w37181"
    expect_stderr "dek2018: the print server did not answer within 5 s: no printer of it is offered; printing with \"$pdf_printer\""
    [[ -s $work/asked && -f $work/out/01-TF_w37181.pdf ]] || fail "not printed with the PDF printer"
    ;;
  vanishing_server)
    # The print server goes away after a sheet's document was sent, before
    # it answered for it: an error for that sheet, never a printed one.
    start_print_server vanish
    rc=0
    timeout 60 "$exe" print "$pit37" --out "$work/out" --printer fake --no-fit "${only_page1[@]}" \
      >"$work/stdout" 2>"$work/stderr" || rc=$?
    [[ $rc -eq 1 ]] || fail "exit status $rc, expected 1"
    expect_stdout "$prompt1" "ERROR printer \"fake\": cannot finish the print run: the print server gave no answer"
    grep -qx 'operation 0x0006' "$work/asked" || fail "no document was sent: $(cat "$work/asked")"
    ;;
  *)
    fail "no such case"
    ;;
esac

#!/usr/bin/env bash
# End to end through a real printing system: starts a CUPS server of its own
# (its own configuration folder, spool and socket; the machine's CUPS, if
# any, is not touched), adds two cups-pdf queues, one that prints to the
# paper's edge (as cups-pdf says of itself) and one whose PPD says it cannot
# print within 4.2 mm (12 pt) of the edges of A4, prints the PIT-37 sample
# on each with `dek2018 print --printer`, and reads the PDFs that come out of
# the queues: one per sheet, in the order printed, each one A4 page with the
# return's values readable as text. On the edge-to-edge queue every letter
# lies where the PDF printer puts it; on the other every word lies inside
# the printable area, the sheet shrunk alike across and down, and standard
# error says so once; with --no-fit that queue too gets the sheet as
# designed. Then: the edge-to-edge queue stopped is refused before the
# first prompt; a queue with Letter paper only gets page 1 fitted whole on
# Letter; a queue whose PPD states a printable area of 1e308 points gets an
# error naming the queue and the PPD's numbers.
#   cups_print.sh DEK2018 RETURN_FILE
# Needs: cups (cupsd, lpadmin, lpstat), printer-driver-cups-pdf (run by cupsd
# as root, as the backend requires), poppler-utils (pdfinfo, pdftotext,
# pdftocairo).
set -euo pipefail
exe=$1
return_file=$2
queue=dek2018-e2e
margin_queue=dek2018-e2e-margins
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
# What the margin queue can print of A4, in points from the paper's
# lower-left corner as a PPD gives it (left, bottom, right, top).
area="12 12 583 830"
# Where cups-pdf puts the files of a user unknown to the system (fixed in
# /etc/cups/cups-pdf.conf, which this test leaves alone).
outbox=/var/spool/cups-pdf/ANONYMOUS

die() { echo "cups_print: $*" >&2; exit 1; }
for tool in cupsd lpadmin lpstat pdfinfo pdftotext pdftocairo; do
  command -v "$tool" >/dev/null || die "$tool not found; install cups printer-driver-cups-pdf poppler-utils"
done
[[ -x $backend && -f $ppd ]] || die "cups-pdf not found; install printer-driver-cups-pdf"
if [[ $(id -u) -ne 0 ]]; then
  echo "cups_print: skipped: must run as root (cupsd runs the cups-pdf backend only as root)" >&2
  exit 77
fi

work=$(mktemp -d /tmp/dek2018-cups.XXXXXX)
chmod 755 "$work"  # the filters run as user lp
root=$work/cups
mkdir -p "$root"/{spool,cache,state,tmp,log,ppd,ssl}
chmod 1777 "$root/tmp"
cupsd_pid=
cleanup() {
  if [[ -n $cupsd_pid ]]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  if [[ ${KEEP:-0} != 1 ]]; then
    rm -rf "$work"
    [[ -z ${outputs:-} ]] || rm -f $outputs
  fi
}
trap cleanup EXIT

cat >"$root/cups-files.conf" <<CONF
ServerRoot $root
RequestRoot $root/spool
CacheDir $root/cache
StateDir $root/state
TempDir $root/tmp
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF
cat >"$root/cupsd.conf" <<CONF
Listen $root/cups.sock
LogLevel debug
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
# Job numbers of their own: cups-pdf names its files after them, in a folder
# shared with any other run of this test.
next_job=$(( (RANDOM << 15 | RANDOM) % 900000000 + 100000 ))
printf 'NextJobId %d\n' "$next_job" >"$root/cache/job.cache"

cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" >"$work/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$root/cups.sock
# `lpstat -r` exits 0 whether or not a scheduler answers: read what it says.
running() { [[ $(lpstat -r 2>/dev/null) == "scheduler is running" ]]; }
for ((i = 0; i < 100; ++i)); do
  running && break
  kill -0 "$cupsd_pid" 2>/dev/null || die "cupsd did not start: $(cat "$work/cupsd.out")"
  sleep 0.1
done
running || die "cupsd does not answer on $CUPS_SERVER"


# TitlePref=1: cups-pdf names each file after the job's title ("01-TF_w37181").
# The queues turn each PDF into PostScript for cups-pdf, which makes a PDF of
# it again; rendered through cairo the text of the sheet stays text (letters
# outside Latin-1 are lost on the way, digits survive).
margin_ppd=$work/margins.ppd
sed -e "s|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: \"$area\"|" -e 's|^\*HWMargins: .*|*HWMargins: 12 12 12 12|' \
  "$ppd" >"$margin_ppd"
grep -qx "\*ImageableArea A4/A4: \"$area\"" "$margin_ppd" && grep -qx '\*HWMargins: 12 12 12 12' "$margin_ppd" ||
  die "$ppd has no A4 *ImageableArea or no *HWMargins to change"
# A queue whose printer has Letter paper only (no A4, no custom size), and
# one whose PPD states a printable area of A4 that is no size at all.
letter_ppd=$work/letter.ppd
awk '
  /^\*(ParamCustomPageSize|CustomPageSize|MaxMediaWidth|MaxMediaHeight|HWMargins|NonUIOrderDependency: 100 AnySetup \*CustomPageSize)/ { skip = /CustomPageSize True/ ? 2 : 1 }
  /^\*(PageSize|PageRegion|ImageableArea|PaperDimension) / && $2 !~ /^Letter\// { next }
  skip == 2 { if (/setpagedevice"/ || /^\*End/) skip = 0; next }
  skip == 1 { skip = 0; next }
  { sub(/^\*DefaultPageSize: .*/, "*DefaultPageSize: Letter"); sub(/^\*DefaultPageRegion: .*/, "*DefaultPageRegion: Letter")
    sub(/^\*VariablePaperSize: True/, "*VariablePaperSize: False"); sub(/^\*DefaultImageableArea: .*/, "*DefaultImageableArea: Letter"); sub(/^\*DefaultPaperDimension: .*/, "*DefaultPaperDimension: Letter")
    print }' "$ppd" >"$letter_ppd"
! grep -v '^\*%' "$letter_ppd" | grep -q 'A4\|CustomPageSize' && grep -q '^\*PageSize Letter/' "$letter_ppd" || die "cannot make a Letter-only PPD"
letter_queue=dek2018-e2e-letter
huge_ppd=$work/huge.ppd
sed -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "1e308 12 583 830"|' "$ppd" >"$huge_ppd"
huge_queue=dek2018-e2e-huge
for q in "$queue:$ppd" "$margin_queue:$margin_ppd" "$letter_queue:$letter_ppd" "$huge_queue:$huge_ppd"; do
  lpadmin -p "${q%%:*}" -E -v cups-pdf:/ -P "${q#*:}" -o TitlePref=1 -o printer-error-policy=abort-job \
    -o pdftops-renderer-default=pdftocairo 2>"$work/lpadmin.err" || die "lpadmin failed: $(cat "$work/lpadmin.err")"
done
# A user the system does not know: cups-pdf writes to its anonymous folder.
export CUPS_USER=dek2018-e2e

# The same run through the PDF printer: the sheets as the module makes them.
"$exe" print "$return_file" --out "$work/own" --settings "$work/none.dat" --printer "Zapis do pliku PDF" \
  >"$work/own.transcript" 2>&1 || die "dek2018 print to PDF files failed: $(cat "$work/own.transcript")"
mapfile -t sheets < <(sed -n 's/^SHEET \([0-9]*\) \([^ ]*\).*/\1 \2/p' "$work/own.transcript")
((${#sheets[@]} > 0)) || die "no sheet printed: $(cat "$work/own.transcript")"
mkdir "$work/designed"
for sheet in "${sheets[@]}"; do
  read -r n cls <<<"$sheet"
  ln -s "$work/own/$(printf '%02d-%s' "$n" "$cls").pdf" "$work/designed/$cls.pdf"
done

outputs=
# print_on RUN QUEUE [ARG...]: prints the sample on QUEUE with the extra
# arguments, waits for the queue, and links the PDF of each sheet it printed
# to RUN/CLASS.pdf; the transcript and standard error stay in RUN.transcript
# and RUN.stderr.
print_on() {
  local run=$work/$1 q=$2 rc=0 start n cls title file i k
  shift 2
  start=$(date +%s)
  "$exe" print "$return_file" --out "$work/pdf" --settings "$work/none.dat" --printer "$q" "$@" \
    >"$run.transcript" 2>"$run.stderr" || rc=$?
  [[ $rc -eq 0 ]] || die "dek2018 print on $q: exit status $rc: $(cat "$run.transcript" "$run.stderr")"
  [[ $(ls "$work/pdf") == 01-TF_w37181.pdf && $(cat "$work/pdf/01-TF_w37181.pdf") == earlier ]] ||
    die "the PDF printer was used instead of $q, or the earlier sheet in --out was touched: $(ls "$work/pdf")"
  local printed
  mapfile -t printed < <(sed -n 's/^SHEET \([0-9]*\) \([^ ]*\).*/\1 \2/p' "$run.transcript")
  ((${#printed[@]} > 0)) || die "no sheet printed on $q: $(cat "$run.transcript")"

  # Wait for the queue to finish every job.
  for ((i = 0; i < 600; ++i)); do
    [[ -z $(lpstat -W not-completed -o "$q" 2>/dev/null) ]] && break
    sleep 0.2
  done
  [[ -z $(lpstat -W not-completed -o "$q") ]] || die "jobs still pending: $(lpstat -W not-completed -o "$q")"
  # One job per sheet, in the order printed, each with its own document:
  # the jobs of this run are the newest of the queue.
  local jobs
  mapfile -t jobs < <(lpstat -W completed -o "$q" | awk '{print $1}' | sed "s/^$q-//" | sort -n |
    tail -n "${#printed[@]}")
  [[ ${#jobs[@]} -eq ${#printed[@]} ]] || die "$q: ${#jobs[@]} jobs for ${#printed[@]} sheets"
  mkdir "$run"
  for ((k = 0; k < ${#printed[@]}; ++k)); do
    read -r n cls <<<"${printed[k]}"
    title=$(printf '%02d-%s' "$n" "$cls")
    file=$outbox/$title-job_${jobs[k]}.pdf
    outputs+=" $file"
    for ((i = 0; i < 100; ++i)); do
      [[ -s $file ]] && break
      sleep 0.1
    done
    [[ -s $file ]] ||
      die "no output $file for sheet $n; error log: $(grep -E '^E|cups-pdf' "$root/log/error_log" | tail -5)"
    (($(stat -c %Y "$file") >= start)) || die "$file is older than this run"
    ln -s "$file" "$run/$cls.pdf"
  done
}

numbers() { pdftotext "$1" - | grep -o '[0-9][0-9.,-]*[0-9]\|[0-9]' | sort; }
# Word boxes (text xMin yMin xMax yMax) and the origins of the letters on
# their baseline (x y), in points from the page's top-left corner. A letter's
# origin does not depend on the font's ascent and descent, which differ
# between the PDF the module writes and the one cairo makes of it. The
# letters lost on the way come back as bitmaps on the printer's pixel grid:
# they are no letters of the sheet and are left out.
words() {
  pdftotext -bbox "$1" - |
    sed -n 's|.*<word xMin="\([^"]*\)" yMin="\([^"]*\)" xMax="\([^"]*\)" yMax="\([^"]*\)">\([^<]*\)</word>.*|\5 \1 \2 \3 \4|p'
}
origins() {
  pdftocairo -svg "$1" - | awk '
    function attr(name) { return match($0, " " name "=\"[^\"]*\"") ? substr($0, RSTART + length(name) + 3, RLENGTH - length(name) - 4) : "" }
    /<symbol / { glyph = attr("id") }
    /<rect / && glyph != "" { bitmap["#" glyph] = 1 }
    /<\/symbol>/ { glyph = "" }
    /<use / && !(attr("xlink:href") in bitmap) { print attr("x"), attr("y") }'
}

# same_places DESIGNED PRINTED: every letter of PRINTED within 0.2 pt of a
# letter of DESIGNED, and at least half of DESIGNED's letters printed.
same_places() {
  awk -v tol=0.2 '
    function near(a, b) { return a - b <= tol && b - a <= tol }
    FNR == 1 { f++ }
    f == 1 { k = int($2); line[k] = line[k] " " $1 ":" $2; designed++; next }
    {
      printed++
      found = 0
      for (k = int($2) - 1; k <= int($2) + 1 && !found; ++k) {
        n = split(line[k], at, " ")
        for (i = 1; i <= n && !found; ++i) {
          split(at[i], p, ":")
          if (near(p[1], $1) && near(p[2], $2)) found = 1
        }
      }
      if (!found && ++bad <= 5) printf "letter at %s,%s: none of the PDF printer within %s pt\n", $1, $2, tol
    }
    END {
      if (printed < designed / 2) printf "%d letters for the PDF printer'"'"'s %d\n", printed, designed
      exit bad > 0 || printed < designed / 2
    }' <(origins "$1") <(origins "$2")
}

# scales DESIGNED PRINTED: two words that occur once on both sheets, the
# top-left-most and the bottom-right-most; prints them and the ratios of the
# distances between their origins on PRINTED and on DESIGNED, across and down.
scales() {
  awk '
    function origin(x, top, bottom, xs, ys, n, i) {
      for (i = 1; i <= n; ++i)
        if (xs[i] - x < 0.3 && x - xs[i] < 0.3 && ys[i] >= top && ys[i] <= bottom + 1) return i
      return 0
    }
    FNR == 1 { f++ }
    f == 1 { n1[$1]++; l1[$1] = $2; t1[$1] = $3; r1[$1] = $4; b1[$1] = $5; next }
    f == 2 { n2[$1]++; l2[$1] = $2; t2[$1] = $3; b2[$1] = $5; next }
    f == 3 { x1[++m1] = $1; y1[m1] = $2; next }
    f == 4 { x2[++m2] = $1; y2[m2] = $2; next }
    END {
      for (w in n1) {
        if (n1[w] != 1 || n2[w] != 1) continue
        if (a == "" || l1[w] + t1[w] < l1[a] + t1[a]) a = w
        if (b == "" || r1[w] + b1[w] > r1[b] + b1[b]) b = w
      }
      if (a == "" || a == b) exit 1
      pa = origin(l1[a], t1[a], b1[a], x1, y1, m1); pb = origin(l1[b], t1[b], b1[b], x1, y1, m1)
      qa = origin(l2[a], t2[a], b2[a], x2, y2, m2); qb = origin(l2[b], t2[b], b2[b], x2, y2, m2)
      if (!pa || !pb || !qa || !qb) exit 1
      printf "%s %s %.5f %.5f\n", a, b, (x2[qb] - x2[qa]) / (x1[pb] - x1[pa]), (y2[qb] - y2[qa]) / (y1[pb] - y1[pa])
    }' <(words "$1") <(words "$2") <(origins "$1") <(origins "$2")
}

# A sheet of an earlier print in the --out folder: printing on a queue leaves
# it alone (only the PDF printer clears its own folder).
mkdir "$work/pdf"
echo earlier >"$work/pdf/01-TF_w37181.pdf"
print_on edge "$queue"
print_on margins "$margin_queue"
# The margin queue as designed: page 2 alone, with --no-fit.
print_on no-fit "$margin_queue" --no-fit --click kl_zmust --click chbox_st_2

for run in edge margins; do
  cmp -s "$work/own.transcript" "$work/$run.transcript" ||
    die "$run: the transcript differs from the run to PDF files: $(diff "$work/own.transcript" "$work/$run.transcript")"
done
# The fit is said once, on standard error, with the scale of the first sheet.
for run in edge no-fit; do
  [[ ! -s $work/$run.stderr ]] || die "$run: standard error: $(cat "$work/$run.stderr")"
done
[[ $(wc -l <"$work/margins.stderr") -eq 1 ]] || die "margins: standard error: $(cat "$work/margins.stderr")"
read -r n first <<<"${sheets[0]}"
said=$(sed -n "s/^dek2018: printer \"$margin_queue\" .*($first: \([0-9.]*\) %)\$/\1/p" "$work/margins.stderr")
[[ -n $said ]] || die "margins: standard error does not give the printer and the scale: $(cat "$work/margins.stderr")"

for sheet in "${sheets[@]}"; do
  read -r n cls <<<"$sheet"
  designed=$work/designed/$cls.pdf
  for run in edge margins; do
    file=$work/$run/$cls.pdf
    info=$(pdfinfo "$file")
    grep -q '^Pages: *1$' <<<"$info" || die "$file: not one page: $(grep Pages <<<"$info")"
    grep -q '^Page size: .*(A4)' <<<"$info" || die "$file: not A4: $(grep 'Page size' <<<"$info")"
    # Every number the sheet carries, in the form's text or as a value, reads
    # back from the queue's PDF as it does from the sheet the PDF printer writes.
    cmp -s <(numbers "$designed") <(numbers "$file") ||
      die "$file: the numbers differ from the sheet itself: $(diff <(numbers "$designed") <(numbers "$file") | head -10)"
    if [[ $cls == TF_w37181 ]]; then
      # The taxpayer's NIP and date of birth, as page 1 prints them.
      for value in 683-213-45-76 14-09-1978; do
        pdftotext "$file" - | grep -qF -- "$value" || die "$file: \"$value\" not found in the text"
      done
    fi
  done

  # To the paper's edge: the sheet as designed.
  why=$(same_places "$designed" "$work/edge/$cls.pdf") || die "$cls on $queue: $why"

  # 4.2 mm margins: every word inside the printable area ...
  file=$work/margins/$cls.pdf
  height=$(pdfinfo "$file" | sed -n 's/^Page size: *[0-9.]* x \([0-9.]*\) pts.*/\1/p')
  outside=$(words "$file" | awk -v area="$area" -v h="$height" '
    BEGIN { split(area, a, " ") }
    $2 < a[1] || $4 > a[3] || $3 < h - a[4] || $5 > h - a[2] { printf " \"%s\" at %s,%s-%s,%s", $1, $2, $3, $4, $5 }')
  [[ -z $outside ]] || die "$cls on $margin_queue: words outside the printable area ($area):$outside"
  # ... and the sheet shrunk alike across and down.
  read -r a b across down < <(scales "$designed" "$file") || die "$cls on $margin_queue: no two words to measure by"
  awk -v x="$across" -v y="$down" 'BEGIN { exit !(x < 0.999 && x - y < 0.001 && y - x < 0.001) }' ||
    die "$cls on $margin_queue: from \"$a\" to \"$b\" the sheet is scaled by $across across and $down down"
  if [[ $cls == "$first" ]]; then
    awk -v x="$across" -v said="$said" 'BEGIN { d = 100 * x - said; exit !(d < 0.06 && -d < 0.06) }' ||
      die "$cls on $margin_queue: scaled by $across, standard error says $said %"
  fi
  echo "sheet $n: $cls: on $queue as designed; on $margin_queue inside ($area), scaled by $across across, $down down"
done

# With --no-fit the margin queue gets page 2 as designed.
why=$(same_places "$work/designed/TF_w37182.pdf" "$work/no-fit/TF_w37182.pdf") || die "TF_w37182 with --no-fit: $why"
echo "--no-fit: TF_w37182 on $margin_queue as designed"

# A stopped queue takes no sheet: refused before the first prompt, naming the
# printer and its state; no job waits in it.
cupsdisable "$queue"
rc=0
"$exe" print "$return_file" --out "$work/pdf" --settings "$work/none.dat" --printer "$queue" \
  >"$work/stopped.transcript" 2>"$work/stopped.stderr" || rc=$?
cupsenable "$queue"
[[ $rc -eq 2 && ! -s $work/stopped.transcript ]] ||
  die "stopped queue: exit status $rc: $(cat "$work/stopped.transcript" "$work/stopped.stderr")"
grep -qx "dek2018 print: printer \"$queue\" is stopped (paused): it takes no print run; nothing printed" \
  "$work/stopped.stderr" || die "stopped queue: standard error: $(cat "$work/stopped.stderr")"
[[ -z $(lpstat -W not-completed -o "$queue") ]] || die "stopped queue: jobs wait: $(lpstat -W not-completed -o "$queue")"
echo "stopped $queue: refused before the first prompt"

# Letter paper only: the sheet fitted into the Letter page, nothing of it cut,
# and standard error says so.
print_on letter "$letter_queue" --click kl_zmust --click chbox_st_1
file=$work/letter/TF_w37181.pdf
pdfinfo "$file" | grep -q '^Page size: *612 x 792 pts (letter)' || die "$file: not Letter: $(pdfinfo "$file" | grep 'Page size')"
cmp -s <(numbers "$work/designed/TF_w37181.pdf") <(numbers "$file") ||
  die "$file: numbers lost: $(diff <(numbers "$work/designed/TF_w37181.pdf") <(numbers "$file") | head -10)"
outside=$(words "$file" | awk '$2 < 0 || $3 < 0 || $4 > 612 || $5 > 792 { printf " \"%s\"", $1 }')
[[ -z $outside ]] || die "$file: words off the paper:$outside"
grep -qx "dek2018: printer \"$letter_queue\" has no A4 paper: sheets are printed on its na_letter_8.5x11in[_a-z]* paper, scaled to fit its printable area (TF_w37181: [0-9.]* %)" \
  "$work/letter.stderr" || die "letter: standard error: $(cat "$work/letter.stderr")"
echo "$letter_queue: TF_w37181 fitted into Letter, every number printed"

# A printable area of 1e308 points: the sheet's error names the queue and
# gives the numbers as the queue states them.
rc=0
"$exe" print "$return_file" --out "$work/pdf" --settings "$work/none.dat" --printer "$huge_queue" \
  --click kl_zmust --click chbox_st_1 >"$work/huge.transcript" 2>"$work/huge.stderr" || rc=$?
[[ $rc -eq 1 ]] || die "huge area: exit status $rc: $(cat "$work/huge.transcript" "$work/huge.stderr")"
grep -qxF "ERROR printer \"$huge_queue\": its printable area is not a usable size (the queue states *ImageableArea A4/A4: \"1e308 12 583 830\")" \
  "$work/huge.transcript" || die "huge area: transcript: $(cat "$work/huge.transcript")"
echo "$huge_queue: refused, the queue's numbers named"

#!/usr/bin/env bash
# End to end through a real printing system: starts a CUPS server of its own
# (its own configuration folder, spool and socket; the machine's CUPS, if
# any, is not touched), adds a cups-pdf queue, prints the PIT-37 sample with
# `dek2018 print --printer`, and reads the PDFs that come out of the queue:
# one per sheet, in the order printed, each one A4 page with the return's
# values readable as text.
#   cups_print.sh DEK2018 RETURN_FILE
# Needs: cups (cupsd, lpadmin, lpstat), printer-driver-cups-pdf (run by cupsd
# as root, as the backend requires), poppler-utils (pdfinfo, pdftotext).
set -euo pipefail
exe=$1
return_file=$2
queue=dek2018-e2e
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
# Where cups-pdf puts the files of a user unknown to the system (fixed in
# /etc/cups/cups-pdf.conf, which this test leaves alone).
outbox=/var/spool/cups-pdf/ANONYMOUS

die() { echo "cups_print: $*" >&2; exit 1; }
for tool in cupsd lpadmin lpstat pdfinfo pdftotext; do
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
# The queue turns each PDF into PostScript for cups-pdf, which makes a PDF of
# it again; rendered through cairo the text of the sheet stays text (letters
# outside Latin-1 are lost on the way, digits survive).
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" -o TitlePref=1 -o printer-error-policy=abort-job -o pdftops-renderer-default=pdftocairo 2>"$work/lpadmin.err" ||
  die "lpadmin failed: $(cat "$work/lpadmin.err")"
# A user the system does not know: cups-pdf writes to its anonymous folder.
export CUPS_USER=dek2018-e2e

# The same run through the PDF printer: the sheets as the module makes them.
"$exe" print "$return_file" --out "$work/own" --settings "$work/none.dat" --printer "Zapis do pliku PDF" \
  >"$work/own.transcript" 2>&1 || die "dek2018 print to PDF files failed: $(cat "$work/own.transcript")"
numbers() { grep -o '[0-9][0-9.,-]*[0-9]\|[0-9]' "$1" | sort; }

start=$(date +%s)
# A sheet of an earlier print in the --out folder: printing on a queue leaves
# it alone (only the PDF printer clears its own folder).
mkdir "$work/pdf"
echo earlier >"$work/pdf/01-TF_w37181.pdf"
rc=0
"$exe" print "$return_file" --out "$work/pdf" --settings "$work/none.dat" --printer "$queue" \
  >"$work/transcript" 2>"$work/stderr" || rc=$?
[[ $rc -eq 0 ]] || die "dek2018 print: exit status $rc: $(cat "$work/transcript" "$work/stderr")"
mapfile -t sheets < <(sed -n 's/^SHEET \([0-9]*\) \([^ ]*\).*/\1 \2/p' "$work/transcript")
((${#sheets[@]} > 0)) || die "no sheet printed: $(cat "$work/transcript")"
[[ $(ls "$work/pdf") == 01-TF_w37181.pdf && $(cat "$work/pdf/01-TF_w37181.pdf") == earlier ]] ||
  die "the PDF printer was used instead of the queue, or the earlier sheet was touched: $(ls "$work/pdf")"
[[ ! -s $work/stderr ]] || die "unexpected notice: $(cat "$work/stderr")"
cmp -s "$work/own.transcript" "$work/transcript" || die "the transcript differs from the run to PDF files"

# Wait for the queue to finish every job.
for ((i = 0; i < 600; ++i)); do
  [[ -z $(lpstat -W not-completed -o "$queue" 2>/dev/null) ]] && break
  sleep 0.2
done
[[ -z $(lpstat -W not-completed -o "$queue") ]] || die "jobs still pending: $(lpstat -W not-completed -o "$queue")"

# One job per sheet, in the order printed, each with its own document.
mapfile -t jobs < <(lpstat -W completed -o "$queue" | awk '{print $1}' | sed "s/^$queue-//" | sort -n)
[[ ${#jobs[@]} -eq ${#sheets[@]} ]] || die "${#jobs[@]} jobs for ${#sheets[@]} sheets"

outputs=
for ((k = 0; k < ${#sheets[@]}; ++k)); do
  read -r n cls <<<"${sheets[k]}"
  title=$(printf '%02d-%s' "$n" "$cls")
  file=$outbox/$title-job_${jobs[k]}.pdf
  outputs+=" $file"
  for ((i = 0; i < 100; ++i)); do
    [[ -s $file ]] && break
    sleep 0.1
  done
  [[ -s $file ]] || die "no output $file for sheet $n; error log: $(grep -E '^E|cups-pdf' "$root/log/error_log" | tail -5)"
  (($(stat -c %Y "$file") >= start)) || die "$file is older than this run"
  info=$(pdfinfo "$file")
  grep -q '^Pages: *1$' <<<"$info" || die "$file: not one page: $(grep Pages <<<"$info")"
  grep -q '^Page size: .*(A4)' <<<"$info" || die "$file: not A4: $(grep 'Page size' <<<"$info")"
  # Every number the sheet carries, in the form's text or as a value, reads
  # back from the queue's PDF as it does from the sheet the PDF printer writes.
  pdftotext "$file" "$work/$title.txt"
  pdftotext "$work/own/$title.pdf" "$work/$title.own.txt"
  cmp -s <(numbers "$work/$title.own.txt") <(numbers "$work/$title.txt") ||
    die "$file: the numbers differ from the sheet itself: $(diff <(numbers "$work/$title.own.txt") <(numbers "$work/$title.txt") | head -10)"
  if [[ $cls == TF_w37181 ]]; then
    # The taxpayer's NIP and date of birth, as page 1 prints them.
    for value in 683-213-45-76 14-09-1978; do
      grep -qF -- "$value" "$work/$title.txt" || die "$file: \"$value\" not found in the text"
    done
  fi
  echo "sheet $n: $title -> $file"
done

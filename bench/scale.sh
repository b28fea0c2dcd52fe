#!/usr/bin/env bash
# How the cost of printing grows with the number of sheets: `dek2018 print`
# of 1, 10, 100 and 1000 sheets of the PIT-37 sample (copies of the return,
# each printing 10 of its 11 sheets; one sheet alone for the first), as one
# PDF per sheet (--out, the PDF printer) and as one document per return
# (--pdf-dir). Whole process, start-up included: the median wall time of
# RUNS runs, per sheet, the peak memory, and the bytes written per sheet.
#   bench/scale.sh [RUNS]          (default 3; BUILD_DIR, default build-rel)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-rel}
runs=${1:-3}
dek=$build/host/dek2018
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

"$dek" sample pit37 >"$work/pit37.json"
mkdir -p "$work/returns"
for i in $(seq -w 1 100); do cp "$work/pit37.json" "$work/returns/r$i.json"; done

printf '%-6s %-8s %9s %9s %8s %9s\n' sheets output wall_ms ms/sheet peak_MB KB/sheet
for sheets in 1 10 100 1000; do
  all=("$work/returns/"r*.json)
  if ((sheets == 1)); then
    files=("${all[0]}")
    cancel=2,3,4,5,6,7,8,9,10,11
  else
    files=("${all[@]:0:$((sheets / 10))}")
    cancel=11
  fi
  for mode in sheets document; do
    walls=()
    peak=0
    for _ in $(seq "$runs"); do
      rm -rf "$work/out"
      if [[ $mode == sheets ]]; then target=(--out "$work/out"); else target=(--pdf-dir "$work/out"); fi
      /usr/bin/time -f '%e %M' -o "$work/time" "$dek" print "${files[@]}" "${target[@]}" --settings "$work/none.dat" \
        --cancel "$cancel" >/dev/null 2>&1
      read -r wall rss <"$work/time"
      walls+=("$wall")
      ((rss > peak)) && peak=$rss
    done
    bytes=$(find "$work/out" -name '*.pdf' -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }')
    written=$(find "$work/out" -name '*.pdf' | wc -l)
    median=$(printf '%s\n' "${walls[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
    [[ $mode == sheets && $written -ne $sheets ]] && echo "scale: $written sheets written, not $sheets" >&2
    awk -v n="$sheets" -v m="$mode" -v w="$median" -v p="$peak" -v b="$bytes" \
      'BEGIN { printf "%-6d %-8s %9.0f %9.2f %8.1f %9.1f\n", n, m, w * 1000, w * 1000 / n, p / 1024, b / n / 1024 }'
  done
done

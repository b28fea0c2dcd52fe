#!/usr/bin/env bash
# How soon `dek2018 dialog` shows its print dialog: milliseconds from starting
# the command to the dialog's first paint on the display, under a virtual X
# server (Xvfb), over several runs; prints each run and the median.
#   bench/dialog_start.sh [BUILD_DIR] [RUNS]
# BUILD_DIR holds a built dek2018 and the probe (targets dek2018,
# first_paint_probe); RUNS defaults to 7.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-rel}" && pwd)
runs=${2:-7}
work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

"$build/host/dek2018" sample pit37 >"$work/pit37.json"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do
  [[ -e /tmp/.X11-unix/X${display#:} ]] && break
  sleep 0.1
done

times=()
# One run not counted: the first start reads the libraries from the disk.
for i in $(seq 0 "$runs"); do
  start=$(date +%s%N)
  stamp=$(DISPLAY=$display LD_PRELOAD="$build/bench/libfirst_paint_probe.so" \
    "$build/host/dek2018" dialog "$work/pit37.json" --settings "$work/rekster.dat" --out "$work/out" 2>&1 |
    sed -n 's/^first-paint //p')
  [[ -n $stamp ]] || { echo "dialog_start: the dialog was never painted" >&2; exit 1; }
  ((i == 0)) && continue
  times+=("$(((stamp - start) / 100000))")  # tenths of a millisecond
done
printf '%s\n' "${times[@]}" | awk '{ printf "run %d: %.1f ms\n", NR, $1 / 10 }'
printf '%s\n' "${times[@]}" | sort -n | awk '
  { t[NR] = $1 / 10 }
  END { printf "dialog first paint: median %.1f ms over %d runs\n", (NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2), NR }'

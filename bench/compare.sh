#!/usr/bin/env bash
# dek2018 beside ReportLab drawing the same sheets, in one run on one machine.
#   bench/compare.sh [ROUNDS]          (default 5; BUILD_DIR, default build-rel)
# Builds dek2018, render_bench and the dialog probe in Release when needed,
# then, ROUNDS times in turn: render_bench (every page class of every sample
# filled and rendered to an in-memory PDF, and the demo's sheets as a
# batch), bench/compare_reportlab.py (ReportLab drawing every page class
# from the same page descriptions, and the same batch) and the whole
# `dek2018 demo` process (wall time, peak memory). Prints the medians over the
# rounds and their ratios (dek2018 / ReportLab, the median of each round's
# ratio), the sizes of the demo's PDFs and of the combined PDF of each sample
# (`print --pdf`), and how soon `dek2018 dialog` is on screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-rel}
rounds=${1:-5}
python=/usr/bin/python3 # Debian's, with python3-reportlab

if [[ ! -x $build/bench/render_bench || ! -x $build/host/dek2018 || -n ${REBUILD:-} ]]; then
  "$root/scripts/setup-debian.sh"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j"$(nproc)" --target dek2018 render_bench first_paint_probe >/dev/null
fi
dek=$build/host/dek2018
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

echo "machine: $(nproc) x $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(uname -sr)"
echo "rounds: $rounds"

# The sheets of the demo, in order: the page class of each.
"$dek" demo --out "$work/demo" >/dev/null
mapfile -t demo_classes < <(cd "$work/demo" && for s in pit37 pit36 pit36l pit28; do
  ls "$s" | sed -n 's/^[0-9]*-\(TF_w.*\)\.pdf$/\1/p'
done)
mapfile -t classes < <(printf '%s\n' "${demo_classes[@]}" | sort -u)

for r in $(seq "$rounds"); do
  "$build/bench/render_bench" --benchmark_filter='^BM_(Sheet|DemoBatch)' --benchmark_min_time=0.2 \
    --benchmark_format=json >"$work/ours.$r.json" 2>/dev/null
  "$python" "$root/bench/compare_reportlab.py" --pages "$root/pages" --min-time 0.2 \
    --classes "${classes[@]}" --batch "${demo_classes[@]}" >"$work/rl.$r.tsv"
  for k in 1 2 3; do
    rm -rf "$work/demo"
    /usr/bin/time -f '%e %M' -o "$work/time" "$dek" demo --out "$work/demo" >/dev/null
    cat "$work/time" >>"$work/demo.$r.txt"
  done
  echo "round $r done" >&2
done

# The combined PDF of each sample: all its sheets, and its first sheet alone
# (every later prompt cancelled).
for s in pit37 pit36 pit36l pit28; do
  "$dek" sample "$s" >"$work/$s.json"
  n=$(ls "$work/demo/$s" | wc -l)
  "$dek" print "$work/$s.json" --settings "$work/rekster.dat" --pdf "$work/$s.pdf" >/dev/null
  "$dek" print "$work/$s.json" --settings "$work/rekster.dat" --pdf "$work/$s.1.pdf" \
    --cancel "$(seq -s, 2 $((n + 20)))" >/dev/null
  echo "$s $n $(stat -c %s "$work/$s.pdf") $(stat -c %s "$work/$s.1.pdf")" >>"$work/combined.txt"
done
du -b "$work"/demo/*/*.pdf | awk '{ s += $1; n++ } END { print n, s }' >"$work/demo_sizes.txt"

"$python" - "$work" "$rounds" <<'EOF'
import json, statistics, sys
work, rounds = sys.argv[1], int(sys.argv[2])
med = statistics.median
ours, rl, demo = [], [], []
for r in range(1, rounds + 1):
    with open(f"{work}/ours.{r}.json") as f:
        ours.append({b["name"]: b for b in json.load(f)["benchmarks"]})
    d = {}
    with open(f"{work}/rl.{r}.tsv") as f:
        for line in f:
            kind, name, ms, size = line.split("\t")
            d[(kind, name)] = (float(ms), int(size))
    rl.append(d)
    with open(f"{work}/demo.{r}.txt") as f:
        demo.append([tuple(map(float, l.split())) for l in f if l.strip()])

print(f"\n{'sheet':34} {'dek2018 ms':>10} {'KB':>6} {'ReportLab ms':>12} {'KB':>6} {'ratio':>6}")
ratios = []
for name in sorted(n for n in ours[0] if n.startswith("BM_Sheet/")):
    cls = name.split("/")[2]
    ms = med(o[name]["real_time"] for o in ours)
    kb = ours[0][name]["pdf_bytes_per_sheet"] / 1024
    rms = med(x[("sheet", cls)][0] for x in rl)
    rkb = rl[0][("sheet", cls)][1] / 1024
    ratio = med(o[name]["real_time"] / x[("sheet", cls)][0] for o, x in zip(ours, rl))
    ratios.append((ratio, name))
    print(f"{name[9:]:34} {ms:10.2f} {kb:6.1f} {rms:12.2f} {rkb:6.1f} {ratio:6.2f}")
worst = max(ratios)
print(f"per class: ratio median {med(r for r, _ in ratios):.2f}, largest {worst[0]:.2f} ({worst[1][9:]})")

batch = [o["BM_DemoBatch"] for o in ours]
rl_batch = [x[("batch", next(k[1] for k in x if k[0] == "batch"))] for x in rl]
sheets = int(batch[0]["sheets"])
print(f"\ndemo sheets, warm, each its own PDF ({sheets} sheets):")
print(f"  dek2018   {med(b['ms_per_sheet'] for b in batch):7.2f} ms/sheet {batch[0]['pdf_bytes_per_sheet'] / 1024:6.1f} KB/sheet")
print(f"  ReportLab {med(b[0] for b in rl_batch):7.2f} ms/sheet {rl_batch[0][1] / 1024:6.1f} KB/sheet")
print(f"  ratio     {med(b['ms_per_sheet'] / x[0] for b, x in zip(batch, rl_batch)):7.2f}")

walls = [med(w for w, _ in d) for d in demo]
rss = max(m for d in demo for _, m in d)
print(f"\ndek2018 demo, whole process ({sheets} sheets, start-up included):")
print(f"  wall {med(walls) * 1000:.0f} ms, {med(walls) * 1000 / sheets:.2f} ms/sheet; peak RSS {rss / 1024:.1f} MB")
print(f"  per sheet / ReportLab warm per sheet: {med(w * 1000 / sheets / x[0] for w, x in zip(walls, rl_batch)):.2f}")

with open(f"{work}/demo_sizes.txt") as f:
    n, total = map(int, f.read().split())
print(f"\ndemo PDFs: {n} files, {total / n / 1024:.1f} KB per sheet on average")
print("combined PDF (print --pdf):")
with open(f"{work}/combined.txt") as f:
    for line in f:
        s, n, full, one = line.split()
        n, full, one = int(n), int(full), int(one)
        print(f"  {s:7} {n:2} sheets {full / 1024:7.1f} KB, first sheet {one / 1024:6.1f} KB, "
              f"{(full - one) / (n - 1) / 1024:5.1f} KB per additional sheet")
EOF

if command -v Xvfb >/dev/null && [[ -e $build/bench/libfirst_paint_probe.so ]]; then
  echo
  "$root/bench/dialog_start.sh" "$build" 7 | tail -1
fi

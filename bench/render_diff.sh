#!/usr/bin/env bash
# Whether two builds of dek2018 print the same sheets: every sheet of every
# built-in sample (the demo's sheets, with the variant fields their jobs
# give) rendered by both, as PNG (`render --out X.png`) and as PDF (`render
# --out X.pdf`, rasterised by pdftoppm, its words and their places read by
# pdftotext -bbox). Prints per sheet the largest difference of one colour
# channel (0-255) and how many pixels differ in each picture, and whether the
# PDF's words are the same at the same places; then the largest over all.
#   bench/render_diff.sh BEFORE_DEK2018 AFTER_DEK2018 [DPI]   (DPI default 100)
# BUILD_DIR (default build-rel) holds bench/image_diff.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-rel}
before=$(realpath "$1")
after=$(realpath "$2")
dpi=${3:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# The words of a PDF with their boxes, in reading order: "word xMin yMin xMax yMax".
words() { pdftotext -bbox "$1" - | sed -n 's/.*<word xMin="\([^"]*\)" yMin="\([^"]*\)" xMax="\([^"]*\)" yMax="\([^"]*\)">\(.*\)<\/word>/\5 \1 \2 \3 \4/p'; }
# "same D" when both lists hold the same words, D the largest shift of a box
# edge in points; "differ" otherwise.
compare_words() {
  paste -d' ' "$1" "$2" | awk '
    NF != 10 || $1 != $6 { bad = 1; exit }
    { for (i = 2; i <= 5; i++) { d = $i - $(i + 5); if (d < 0) d = -d; if (d > m) m = d } }
    END { if (bad || NR == 0) print "differ"; else printf "same %.4f\n", m }'
  [[ $(wc -l <"$1") -eq $(wc -l <"$2") ]] || echo differ
}

largest_png=0
largest_pdf=0
largest_shift=0
sheets=0
moved=0
for s in pit37 pit36 pit36l pit28; do
  "$after" sample "$s" >"$work/$s.json"
  "$after" print "$work/$s.json" --settings "$work/rekster.dat" --out "$work/print" >"$work/$s.log"
  while read -r _ n class variants; do
    args=()
    for v in $variants; do args+=("--${v%%=*}" "${v#*=}"); done
    for which in before after; do
      bin=${!which}
      "$bin" render "$work/$s.json" --page "$class" "${args[@]}" --dpi "$dpi" --out "$work/$which.png"
      "$bin" render "$work/$s.json" --page "$class" "${args[@]}" --out "$work/$which.pdf"
      pdftoppm -r "$dpi" -png -singlefile "$work/$which.pdf" "$work/$which.pdf"
      words "$work/$which.pdf" >"$work/$which.words"
    done
    read -r _ png _ png_px _ total _ < <("$build/bench/image_diff" "$work/before.png" "$work/after.png")
    read -r _ pdf _ pdf_px _ _ _ < <("$build/bench/image_diff" "$work/before.pdf.png" "$work/after.pdf.png")
    read -r verdict shift < <(compare_words "$work/before.words" "$work/after.words" | sort | head -1)
    if [[ $verdict == same ]]; then
      text="same words, moved at most $shift pt"
      largest_shift=$(awk -v a="$largest_shift" -v b="$shift" 'BEGIN { print (b > a ? b : a) }')
    else
      text="WORDS DIFFER"
      moved=$((moved + 1))
    fi
    printf '%-7s %2d %-12s %-18s png max %3d (%6d px)  pdf max %3d (%6d px)  %s\n' "$s" "$n" "$class" "$variants" \
      "$png" "$png_px" "$pdf" "$pdf_px" "$text"
    ((png > largest_png)) && largest_png=$png
    ((pdf > largest_pdf)) && largest_pdf=$pdf
    sheets=$((sheets + 1))
  done < <(sed -n 's/^SHEET /SHEET /p' "$work/$s.log")
done
echo "sheets: $sheets ($total pixels each at $dpi dpi); largest difference: png $largest_png, pdf $largest_pdf;" \
  "sheets whose words differ: $moved; farthest a word moved: $largest_shift pt"

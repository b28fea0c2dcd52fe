#!/usr/bin/env bash
# dek2018 render as a user runs it: PDF and PNG of a filled page; errors with
# a message naming what is wrong, exit status 2 for bad input and 1 for an
# output that could not be written.
set -u
exe=$1
sample=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen
fail=0
check() {  # check NAME EXPECTED_RC MESSAGE_PART -- ARGS...  (no MESSAGE_PART: nothing on stderr)
  local name=$1 rc=$2 part=$3
  shift 4
  "$exe" render "$@" >"$dir/out" 2>"$dir/err"
  local got=$?
  local said=1
  if [[ -z $part ]]; then [[ ! -s $dir/err ]] || said=0; else grep -qF -- "$part" "$dir/err" || said=0; fi
  if [[ $got -ne $rc || $said -eq 0 ]]; then
    echo "FAIL $name: exit $got (want $rc), stderr: $(cat "$dir/err")"
    fail=1
  else
    echo "ok   $name"
  fi
}
# The pages printed per person or sheet set are PIT-36 pages.
pit36=$dir/pit36.json
"$exe" sample pit36 >"$pit36"
check pdf 0 "" -- "$sample" --page TF_w37181 --out "$dir/p1.pdf"
qpdf --check "$dir/p1.pdf" >/dev/null || { echo "FAIL pdf: qpdf --check"; fail=1; }
check png 0 "" -- "$sample" --page TF_w37181 --out "$dir/p1.png" --dpi 40
[[ $(head -c 8 "$dir/p1.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || { echo "FAIL png: not a PNG"; fail=1; }
pit37_pages="TF_w37181, TF_w37182, TF_w37183, TF_w37184, TF_wo18_1, TF_wo18_2, TF_wo18_3, TF_wo18_4, TF_wd18_1, TF_wd18_2, TF_w2k18_1"
check unknown_class 2 "dek2018 render: unknown page class TF_nope; the pages of a PIT-37 return: $pit37_pages" -- \
  "$sample" --page TF_nope --out "$dir/x.pdf"
# A page of another form is refused: it would print records this return does not fill.
for page in TF_w36181 TF_wb18_1 TF_w2818_1 TF_w28b18_1; do
  check "other_form_$page" 2 "dek2018 render: $page is no page of a PIT-37 return; its pages: $pit37_pages" -- \
    "$sample" --page $page --nrp 1 --nr 1 --ilb 1 --nrsp 1 --out "$dir/x.pdf"
done
check missing_folder 1 "cannot write $dir/no/such/x.pdf" -- "$sample" --page TF_w37181 --out "$dir/no/such/x.pdf"
echo '{"form": "PIT-37", "rekdek": {"rok": "2018"}}' >"$dir/bad.json"
check bad_return 2 "rekdek.rok: wrong type" -- "$dir/bad.json" --page TF_w37181 --out "$dir/x.pdf"
check bad_extension 2 "OUT must end in .pdf or .png" -- "$sample" --page TF_w37181 --out "$dir/x.tif"
check no_variant 2 "TF_w37181 has no variant field nrp" -- "$sample" --page TF_w37181 --nrp 1 --out "$dir/x.pdf"
check variant_page 0 "" -- "$pit36" --page TF_wb18_1 --nrp 2 --nr 3 --ilb 2 --out "$dir/b1.pdf"
check variant_missing 2 "TF_wb18_1 needs --nrp (its variant field nrp)" -- "$pit36" --page TF_wb18_1 --nr 1 --ilb 1 \
  --out "$dir/x.pdf"
check variant_value 2 "--nr 5: TF_wb18_1 prints its variant field nr only as 1 or 3" -- "$pit36" --page TF_wb18_1 \
  --nrp 1 --nr 5 --ilb 1 --out "$dir/x.pdf"
check variant_value_page2 2 "--nr 3: TF_wb18_2 prints its variant field nr only as 1 or 4" -- "$pit36" \
  --page TF_wb18_2 --nrp 1 --nr 3 --out "$dir/x.pdf"
check variant_person 2 "--nrp 0: TF_wm18_1 prints its variant field nrp only as 1 or 2" -- "$pit36" --page TF_wm18_1 \
  --nrp 0 --out "$dir/x.pdf"
[[ ! -e "$dir/x.pdf" ]] || { echo "FAIL refused variants: a file was written"; fail=1; }
# A page printed per person takes exactly the persons a job gives it.
check person_page 0 "" -- "$pit36" --page TF_wzg18_1 --nrp 2 --out "$dir/zg.pdf"
head -c 5 "$dir/zg.pdf" | grep -q '%PDF-' || { echo "FAIL person_page: not a PDF"; fail=1; }
check missing_nrp 2 "TF_wzg18_1 needs --nrp (its variant field nrp)" -- "$pit36" --page TF_wzg18_1 --out "$dir/x.pdf"
check nrp_3 2 "--nrp 3: TF_wzg18_1 prints its variant field nrp only as 1 or 2" -- "$pit36" --page TF_wzg18_1 --nrp 3 --out "$dir/x.pdf"
check nrp_0 2 "--nrp 0: TF_wzg18_1 prints its variant field nrp only as 1 or 2" -- "$pit36" --page TF_wzg18_1 --nrp 0 --out "$dir/x.pdf"
# A PIT-28 return's attachments come from the PIT-28 return, whatever its
# general record holds (here a joint PIT-37 with a spouse, children, NIP
# and year of its own); names wider than the attachment's boxes are cut.
cat >"$dir/pit28.json" <<'JSON'
{"form": "PIT-28",
 "rek28": {"nip": "548-211-03-78", "rok": 2018, "nazw": "Wiśniewska-Grzybowska-Kołłątaj-Zabłocka-Nowacka", "im": "Zofia",
           "dur": "1979-02-11", "ilzal": {"1": 1}},
 "zal28": {"dzieci": [{"im": "Ignacy", "nazw": "Wiśniewski", "pes": "12211512345"}]},
 "rekdek": {"nip": "7251801126", "nip_m": "9512231455", "rok": 2016, "sp_opod": 1,
            "podatnik": {"nazw": "Kowalski", "im": "Jan"}, "malzonek": {"nazw": "Kowalska", "im": "Anna"},
            "dzieci": {"2": {"im": "Tadeusz", "nazw": "Kowalski"}, "3": {"im": "Helena", "nazw": "Kowalska"}}}}
JSON
for page in TF_wo18_1 TF_wo18_3; do
  check "pit28_$page" 0 "" -- "$dir/pit28.json" --page $page --out "$dir/$page.pdf"
  pdftotext "$dir/$page.pdf" "$dir/$page.txt"
  for word in Kowalski Kowalska Jan Anna Tadeusz Helena 725 951 2016; do
    ! grep -q "$word" "$dir/$page.txt" || { echo "FAIL pit28_$page: $word printed"; fail=1; }
  done
done
grep -q 'Wiśniewska-Grzybowska-Kołłątaj' "$dir/TF_wo18_1.txt" || { echo "FAIL pit28: surname not printed"; fail=1; }
grep -q 'Wiśniewska-Grzybowska-Kołłątaj-Z' "$dir/TF_wo18_1.txt" && { echo "FAIL pit28: surname not cut"; fail=1; }
grep -q 'Ignacy' "$dir/TF_wo18_3.txt" || { echo "FAIL pit28: the PIT-28 return's child not printed"; fail=1; }
exit $fail

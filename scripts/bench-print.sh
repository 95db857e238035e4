#!/usr/bin/env bash
# Times printouts to PDF through quorin-cli, CALLS calls each (default 10),
# taking turns so that a busy moment of the machine falls on all alike:
#   one page     quorin-cli ruravuvo --pdf FILE
#   360 rows     quorin-cli loans, a 30-year monthly schedule, --pdf FILE
#   1000 cars    quorin-cli company-car with a register of VEHICLES vehicles
#                (default 1000), --pdf FILE
# The 360-row schedule should take at most 3 times the one-page printout,
# and the register at most 5 s.
# Usage: scripts/bench-print.sh [BUILD_DIR]   (default: build, beside this script's folder)
set -euo pipefail
export LC_ALL=C

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
calls="${CALLS:-10}"
vehicles="${VEHICLES:-1000}"

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j2 --target quorin-cli quorin_pdf_printer quorin_data_files >/dev/null
cli="$build/bin/quorin-cli"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$work/data"
cp -r "$build/bin/"*.rpt "$build/bin/Rudodeza.db" "$build/bin/tax-years" "$work/data/"

awk -v n="$vehicles" 'BEGIN {
  printf "["
  for (i = 1; i <= n; i++)
    printf "%s{\"CCRegNumber\":\"CA %d\",\"CCMake\":\"Toyota\",\"CCModel\":\"Corolla\",\"CCPrice\":%d,\"TotalDistance\":30000,\"BusDistance\":%d}",
      (i > 1 ? "," : ""), i, 200000 + i * 100, 5000 + i
  print "]"
}' > "$work/register.json"

run_page() { "$cli" ruravuvo --income 300000 --age 40 --data-dir "$work/data" --pdf "$work/page.pdf" >/dev/null; }
run_rows() {
  "$cli" loans --mode repayment --principal 1500000 --period 360 --rate 11.75 --schedule monthly \
    --data-dir "$work/data" --pdf "$work/rows.pdf" >/dev/null
}
run_cars() {
  "$cli" company-car --register "$work/register.json" --actual-3802 150000 --data-dir "$work/data" \
    --pdf "$work/cars.pdf" >/dev/null
}

run_page; run_rows; run_cars  # warm-up
: > "$work/page.times"; : > "$work/rows.times"; : > "$work/cars.times"
for ((i = 0; i < calls; i++)); do
  for kind in page rows cars; do
    start=$EPOCHREALTIME
    "run_$kind"
    end=$EPOCHREALTIME
    echo "$start $end" >> "$work/$kind.times"
  done
done

median() {  # KIND -> median in ms
  awk '{ print ($2 - $1) * 1000 }' "$work/$1.times" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }
page=$(median page); rows=$(median rows); cars=$(median cars)
printf "%-40s %3d calls  median %8.1f ms  %4s pages\n" "one page (ruravuvo)" "$calls" "$page" "$(pages "$work/page.pdf")"
printf "%-40s %3d calls  median %8.1f ms  %4s pages\n" "360-row schedule (loans, monthly)" "$calls" "$rows" "$(pages "$work/rows.pdf")"
printf "%-40s %3d calls  median %8.1f ms  %4s pages\n" "$vehicles-vehicle register (company-car)" "$calls" "$cars" "$(pages "$work/cars.pdf")"
awk -v p="$page" -v r="$rows" -v c="$cars" 'BEGIN {
  printf "360 rows / one page: %.2f (%s 3); register: %.2f s (%s 5 s)\n", r / p, (r / p <= 3 ? "within" : "ABOVE"),
    c / 1000, (c <= 5000 ? "within" : "ABOVE")
}'

#!/usr/bin/env bash
# Times quorin-cli company-car over a register of many vehicles: reading the
# register, the valuation and the JSON (no --pdf), and the same with the
# print (--pdf: the compcar rows written into Rudodeza.db, then the report
# laid out as a PDF). The difference of the two is the print.
# Usage: scripts/bench-register.sh [BUILD_DIR] [VEHICLES...]   (default: build, 300 1000)
set -euo pipefail
export LC_ALL=C

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
(($#)) && shift
if (($#)); then sizes=("$@"); else sizes=(300 1000); fi
calls="${CALLS:-3}"

cmake --build "$build" -j2 --target quorin-cli quorin_pdf_printer quorin_data_files >/dev/null
cli="$build/bin/quorin-cli"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$work/data"
cp "$build/bin/"*.rpt "$build/bin/Rudodeza.db" "$work/data/"
cp -r "$build/bin/tax-years" "$work/data/"

register() {  # VEHICLES FILE
  awk -v n="$1" 'BEGIN {
    printf "["
    for (i = 0; i < n; i++)
      printf "%s{\"CCRegNumber\": \"CA %05d\", \"CCMake\": \"Make\", \"CCModel\": \"Model\", \"YearOfManfact\": \"2020\", \"CCPrice\": %d, \"MaintIncluded\": %d, \"StartMileage\": 1000, \"EndMileage\": 31000, \"BusDistance\": 20000, \"BussMilage\": 1, \"SARSTable\": 1, \"EmpPaidInsurance\": 2000}",
        (i ? "," : ""), i, 250000 + i, i % 2
    printf "]\n"
  }' > "$2"
}

best() {  # COMMAND... -> the fastest of $calls runs: "seconds peak-KB"
  local fastest="" line
  for ((i = 0; i < calls; i++)); do
    /usr/bin/time -o "$work/time" -f '%e %M' "$@" >/dev/null 2>&1
    line="$(tail -1 "$work/time")"
    if [[ -z "$fastest" ]] || awk -v a="${line%% *}" -v b="${fastest%% *}" 'BEGIN { exit !(a < b) }'; then
      fastest="$line"
    fi
  done
  echo "$fastest"
}

for n in "${sizes[@]}"; do
  register "$n" "$work/register.json"
  read -r plain plain_kb <<<"$(best "$cli" company-car --register "$work/register.json" --actual-3802 50000 \
    --data-dir "$work/data")"
  read -r pdf pdf_kb <<<"$(best "$cli" company-car --register "$work/register.json" --actual-3802 50000 \
    --data-dir "$work/data" --pdf "$work/compcar.pdf")"
  awk -v n="$n" -v p="$plain" -v pk="$plain_kb" -v d="$pdf" -v dk="$pdf_kb" 'BEGIN {
    printf "%6d vehicles: without --pdf %7.2f s %8d KB   with --pdf %7.2f s %8d KB   print %7.2f s\n", n, p, pk, d, dk, d - p
  }'
done

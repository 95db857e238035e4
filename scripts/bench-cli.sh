#!/usr/bin/env bash
# Times a command-line call against its floor, 100 calls each, side by side:
#   floor        a bare program on Qt Core and Qt SQL that opens Settings.db
#                and reads the Setup row (benchmarks/settings_floor.cpp)
#   no --pdf     quorin-cli monthly --salary 30000
#   --pdf        quorin-cli monthly --salary 30000 --pdf FILE
# A call without --pdf should be within 1.2 times the floor.
# Usage: scripts/bench-cli.sh [BUILD_DIR]   (default: build, beside this script's folder)
set -euo pipefail
export LC_ALL=C  # a dot decimal in $EPOCHREALTIME and awk, whatever the desktop's locale

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
calls="${CALLS:-100}"

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j2 --target quorin-cli quorin_pdf_printer quorin-settings-floor quorin_data_files >/dev/null
cli="$build/bin/quorin-cli"
floor="$build/tools/quorin-settings-floor"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# A copy of the data files, with Settings.db made by a first call.
mkdir -p "$work/data"
cp "$build/bin/"*.rpt "$build/bin/Rudodeza.db" "$work/data/"
"$cli" settings --data-dir "$work/data" >/dev/null

run_floor() { "$floor" "$work/data" >/dev/null; }
run_plain() { "$cli" monthly --salary 30000 --data-dir "$work/data" >/dev/null; }
run_pdf() { "$cli" monthly --salary 30000 --data-dir "$work/data" --pdf "$work/monthly.pdf" >/dev/null; }

# One warm-up call each, so every run finds the libraries in the page cache.
run_floor; run_plain; run_pdf

# The three take turns call by call, so a busy moment of the machine falls
# on all of them alike; the median of each is the figure that counts, the
# mean is shown beside it.
: > "$work/floor.times"; : > "$work/plain.times"; : > "$work/pdf.times"
for ((i = 0; i < calls; i++)); do
  for kind in floor plain pdf; do
    start=$EPOCHREALTIME
    "run_$kind"
    end=$EPOCHREALTIME
    echo "$start $end" >> "$work/$kind.times"
  done
done

libs() { LD_DEBUG=libs "$@" 2>&1 >/dev/null | grep -c 'calling init:' || true; }
stats() {  # KIND -> "median mean" in ms
  awk '{ print ($2 - $1) * 1000 }' "$work/$1.times" | sort -g |
    awk '{ v[NR] = $1; sum += $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, sum / NR }'
}
report() {  # NAME KIND LIBRARIES
  read -r median mean <<<"$(stats "$2")"
  awk -v name="$1" -v n="$calls" -v median="$median" -v mean="$mean" -v libs="$3" \
    'BEGIN { printf "%-44s %4d calls  median %6.2f ms  mean %6.2f ms  %3d libraries\n", name, n, median, mean, libs }'
}
report "floor (Qt Core + Qt SQL, reads Setup)" floor "$(libs "$floor" "$work/data")"
report "quorin-cli monthly --salary 30000" plain "$(libs "$cli" monthly --salary 30000 --data-dir "$work/data")"
report "quorin-cli monthly --salary 30000 --pdf FILE" pdf \
  "$(libs "$cli" monthly --salary 30000 --data-dir "$work/data" --pdf "$work/monthly.pdf")"
read -r floor_median floor_mean <<<"$(stats floor)"
read -r plain_median plain_mean <<<"$(stats plain)"
read -r pdf_median pdf_mean <<<"$(stats pdf)"
awk -v f="$floor_median" -v p="$plain_median" -v d="$pdf_median" -v fm="$floor_mean" -v pm="$plain_mean" 'BEGIN {
  r = p / f
  printf "without --pdf / floor: %.2f by the medians (%s 1.2), %.2f by the means; with --pdf / floor: %.2f\n",
    r, (r <= 1.2 ? "within" : "ABOVE"), pm / fm, d / f
}'

#!/usr/bin/env bash
# Times a command-line call against its floor, 100 calls each, side by side:
#   floor        a bare program on Qt Core and Qt SQL that opens Settings.db
#                and reads the Setup row (benchmarks/settings_floor.cpp)
#   no --pdf     quorin-cli monthly --salary 30000
#   --pdf        quorin-cli monthly --salary 30000 --pdf FILE
# The three take turns in rounds of ten calls, so a busy moment of the
# machine falls on all of them alike. A call without --pdf should be within
# 1.2 times the floor.
# Usage: scripts/bench-cli.sh [BUILD_DIR]   (default: build, beside this script's folder)
set -euo pipefail

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

declare -A total=([floor]=0 [plain]=0 [pdf]=0)
rounds=$(( (calls + 9) / 10 ))
for ((r = 0; r < rounds; r++)); do
  for kind in floor plain pdf; do
    start=$(date +%s%N)
    for ((i = 0; i < 10; i++)); do "run_$kind"; done
    end=$(date +%s%N)
    total[$kind]=$(( total[$kind] + end - start ))
  done
done

libs() { LD_DEBUG=libs "$@" 2>&1 >/dev/null | grep -c 'calling init:' || true; }
n=$((rounds * 10))
report() {  # NAME KIND LIBRARIES
  local ns=${total[$2]}
  awk -v name="$1" -v n="$n" -v ns="$ns" -v libs="$3" \
    'BEGIN { printf "%-44s %4d calls  %7.2f ms a call  %3d libraries\n", name, n, ns / n / 1e6, libs }'
}
report "floor (Qt Core + Qt SQL, reads Setup)" floor "$(libs "$floor" "$work/data")"
report "quorin-cli monthly --salary 30000" plain "$(libs "$cli" monthly --salary 30000 --data-dir "$work/data")"
report "quorin-cli monthly --salary 30000 --pdf FILE" pdf \
  "$(libs "$cli" monthly --salary 30000 --data-dir "$work/data" --pdf "$work/monthly.pdf")"
awk -v plain="${total[plain]}" -v floor="${total[floor]}" -v pdf="${total[pdf]}" 'BEGIN {
  r = plain / floor
  printf "without --pdf / floor: %.2f (%s 1.2); with --pdf / floor: %.2f\n", r, (r <= 1.2 ? "within" : "ABOVE"), pdf / floor
}'

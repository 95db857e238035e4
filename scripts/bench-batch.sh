#!/usr/bin/env bash
# Times "quorin-cli batch monthly" over a generated payroll (100 000 rows, or
# ROWS) and reports the peak memory of the run.
# Usage: [ROWS=1000000] scripts/bench-batch.sh [BUILD_DIR]   (default: build, beside this script's folder)
# Builds quorin-cli first when it is missing or out of date.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
rows="${ROWS:-100000}"

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j2 --target quorin-cli >/dev/null
cli="$build/bin/quorin-cli"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A varied payroll: salaries from R 3 000 to R 150 000, ages 18 to 80, some
# bonuses, travel allowances, fund and medical contributions, part months.
awk -v rows="$rows" 'BEGIN {
  srand(2026);
  print "salary,age,commission,bonus,travel-allowance,employer-rfund,employee-rfund,employer-medical,employee-medical,beneficiaries,start,end";
  for (i = 0; i < rows; i++) {
    salary = 3000 + int(rand() * 147000);
    bonus = (rand() < 0.1) ? int(rand() * 20000) : 0;
    travel = (rand() < 0.3) ? 1000 + int(rand() * 6000) : 0;
    rf = (rand() < 0.5) ? int(salary * 0.075) : 0;
    med = (rand() < 0.6) ? 1000 + int(rand() * 3000) : 0;
    bens = (med > 0) ? 1 + int(rand() * 5) : 0;
    start = (rand() < 0.9) ? "01/06/2025" : "16/06/2025";
    printf "%d,%d,0,%d,%d,%d,%d,0,%d,%d,%s,30/06/2025\n", salary, 18 + int(rand() * 63), bonus, travel, rf, rf, med, bens, start;
  }
}' > "$work/payroll.csv"

# The data folder: a copy of the program's, so the run touches nothing.
mkdir -p "$work/data"
cp "$build/bin/"*.rpt "$build/bin/Rudodeza.db" "$work/data/" 2>/dev/null || true

# Peak memory: GNU time's maximum resident set when it is installed (with
# the processor time), else the kernel's high-water mark of the process,
# read while it runs.
peak_kb=""
cpu=""
start_ns=$(date +%s%N)
if [[ -x /usr/bin/time ]]; then
  /usr/bin/time -f '%M %U %S' -o "$work/time.txt" \
    "$cli" batch monthly --input "$work/payroll.csv" --output "$work/out.csv" --data-dir "$work/data"
  end_ns=$(date +%s%N)
  read -r peak_kb user sys < <(tail -n 1 "$work/time.txt")
  cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf ", processor time %.2f s", u + s }')
else
  "$cli" batch monthly --input "$work/payroll.csv" --output "$work/out.csv" --data-dir "$work/data" &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
    [[ -n "$hwm" ]] && peak_kb=$hwm
    sleep 0.02
  done
  wait "$pid"
  end_ns=$(date +%s%N)
fi

results=$(( $(wc -l < "$work/out.csv") - 1 ))
errors=$(awk -F, 'NR > 1 { sub(/\r$/, ""); if ($NF != "") n++ } END { print n + 0 }' "$work/out.csv")
elapsed=$(( (end_ns - start_ns) / 1000000 ))
memory="unknown"
[[ -n "$peak_kb" ]] && memory="$((peak_kb / 1024)) MB"
printf 'batch monthly: %d rows (%d refused) in %d.%03d s%s, peak memory %s\n' "$results" "$errors" \
  $((elapsed / 1000)) $((elapsed % 1000)) "$cpu" "$memory"

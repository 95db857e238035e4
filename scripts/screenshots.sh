#!/usr/bin/env bash
# Pictures of the Monthly, Loans (with a monthly schedule) and Loan comparison
# windows with their print frames, and of the Quorin monthly, car allowance
# and company car windows, in a 1280x900 X display of its own (Xvfb),
# written as PNG files to screenshots/ (or the folder given).
#   scripts/screenshots.sh [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
out="${1:-screenshots}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quorin-screenshots quorin_data_files
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
# The data files are copied, so the pictures never touch the build's own.
data=$(mktemp -d)
cp build/bin/*.db build/bin/*.rpt build/bin/Qrin.jpg "$data"/
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" build/tools/quorin-screenshots "$data" "$out"
rm -rf "$data"

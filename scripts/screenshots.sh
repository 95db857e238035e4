#!/usr/bin/env bash
# Pictures of the Monthly, Loans (with a monthly schedule) and Loan comparison
# windows with their print frames, of the Monthly and car allowance windows
# with their working shown, of the Quorin monthly, car allowance and
# company car windows, of the Setup frames of the annual, Velmar monthly and
# Quorin annual windows and of eight windows tiled, in a 1280x900 X display of
# its own (Xvfb) at the main window's own size and again at 1024x768 (files
# ending "-1024"), written as PNG files to screenshots/ (or the folder given).
#   QUORIN_SCREEN=1024x768 scripts/screenshots.sh   takes them on a screen that size
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
cp -r build/bin/*.db build/bin/*.rpt build/bin/Qrin.jpg build/bin/tax-years "$data"/
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 ${QUORIN_SCREEN:-1280x900}x24" build/tools/quorin-screenshots "$data" "$out"
rm -rf "$data"

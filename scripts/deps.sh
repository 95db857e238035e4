#!/usr/bin/env bash
# Installs the Debian packages the project builds, runs, tests and packages
# with (dpkg-dev and file: the package's dependencies for cpack -G DEB;
# desktop-file-utils: the staged install test checks the desktop entry).
# Skips apt entirely when every package is already present.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-pdf-dev qt6-charts-dev
  libkainjow-mustache-dev libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth xdotool imagemagick poppler-utils
  dpkg-dev file binutils desktop-file-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages the project builds, runs, tests and packages
# with (dpkg-dev and file: the package's dependencies for cpack -G DEB;
# librsvg2-bin: the PNG icons drawn from the SVG; desktop-file-utils,
# appstream, lintian and sqlite3: the package's checks).
# Skips apt entirely when every package is already present. apt-get runs as
# root: directly when this script runs as root, else through sudo when there
# is one; otherwise it says what to run as root.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-pdf-dev qt6-charts-dev
  libkainjow-mustache-dev libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth xdotool imagemagick poppler-utils
  dpkg-dev file binutils desktop-file-utils librsvg2-bin appstream lintian sqlite3
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
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then
    SUDO="sudo"
  else
    echo "Run as root: apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

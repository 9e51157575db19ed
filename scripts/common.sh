#!/usr/bin/env bash
# Shared set-up for run.sh and test.sh: install what is missing, configure once, build incrementally.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${DAYBINDER_BUILD_DIR:-$ROOT/build}"

# Debian packages the project builds, runs and tests with.
PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev qt6-image-formats-plugins qt6-translations-l10n
  libzip-dev libical-dev libgl-dev libqt6opengl6-dev
  xvfb xauth xdotool imagemagick fonts-dejavu-core fonts-liberation2 poppler-utils
  zip python3-icalendar python3-recurring-ical-events radicale qtkeychain-qt6-dev
  xdg-utils libfile-mimeinfo-perl shared-mime-info
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
  local missing=()
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

configure_and_build() {
  local extra=("$@")
  # A compiler cache, when the machine has one, makes rebuilds of other checkouts cheap.
  if command -v ccache >/dev/null 2>&1; then extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
  elif [ "${#extra[@]}" -gt 0 ]; then
    cmake "$BUILD_DIR" "${extra[@]}" >/dev/null
  fi
  # Automoc does not notice sources added to a target from another folder: when a build list
  # changed since the last configure, make it scan again.
  if [ -n "$(find "$ROOT" -name CMakeLists.txt -newer "$BUILD_DIR/build.ninja" -not -path "$BUILD_DIR/*" -print -quit)" ]; then
    find "$BUILD_DIR" -path '*_autogen/timestamp' -delete
  fi
  cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

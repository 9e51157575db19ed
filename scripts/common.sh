#!/usr/bin/env bash
# Shared set-up for the scripts: install what is missing, configure once, build incrementally,
# run a program under a virtual X server.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${DAYBINDER_BUILD_DIR:-$ROOT/build}"

# Debian packages the project builds, runs and tests with.
PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev qt6-image-formats-plugins qt6-translations-l10n
  libzip-dev libdeflate-dev zlib1g-dev libssl-dev libical-dev libgl-dev libqt6opengl6-dev
  xvfb xauth xdotool imagemagick fonts-dejavu-core fonts-liberation2 poppler-utils
  zip python3-icalendar python3-recurring-ical-events radicale qtkeychain-qt6-dev openssl
  xdg-utils libfile-mimeinfo-perl shared-mime-info bash-completion
  dpkg-dev file
)

# What checking the Debian package needs besides (scripts/check-package.sh).
PACKAGE_CHECK_PACKAGES=(lintian appstream desktop-file-utils man-db)

# apt-get waits for another apt-get to finish instead of failing at once.
APT_WAIT=(-o DPkg::Lock::Timeout=600)

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
    as_root apt-get "${APT_WAIT[@]}" update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get "${APT_WAIT[@]}" install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

configure_and_build() {
  local extra=("$@")
  # A compiler cache, when the machine has one, makes rebuilds of other checkouts cheap.
  if command -v ccache >/dev/null 2>&1; then extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  # Automoc does not notice sources added to a target from another folder: when a build list
  # changed since the last configure, make it scan again (asked before configuring, which
  # writes build.ninja anew).
  if [ -f "$BUILD_DIR/build.ninja" ] && [ -n "$(find "$ROOT" -name CMakeLists.txt -newer "$BUILD_DIR/build.ninja" -not -path "$BUILD_DIR/*" -print -quit)" ]; then
    find "$BUILD_DIR" -path '*_autogen/timestamp' -delete
  fi
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
  elif [ "${#extra[@]}" -gt 0 ]; then
    cmake "$BUILD_DIR" "${extra[@]}" >/dev/null
  fi
  cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

# Starts a program on a virtual screen, waits, runs a check on that display while the program
# runs, saves a picture of the screen and stops the program. Returns the check's status; a
# program that ended before the picture is an error.
# Usage: shoot_under_xvfb SHOT.png SECONDS CHECK PROGRAM [ARGS...]   (CHECK: shell text, or "")
shoot_under_xvfb() {
  local shot="$1" delay="$2" check="$3"
  shift 3
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    shot="$1" delay="$2" check="$3"
    shift 3
    "$@" & pid=$!
    sleep "$delay"
    status=0
    if [ -n "$check" ]; then bash -c "$check" || status=$?; fi
    import -window root "$shot"
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "$1 ended before its picture was taken" >&2
      status=1
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    exit "$status"
  ' shoot "$shot" "$delay" "$check" "$@"
}

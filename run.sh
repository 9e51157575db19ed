#!/usr/bin/env bash
# Installs what is missing, builds, and starts Daybinder on the bundled example calendar.
# Without a display it runs under a virtual X server, saves build/screenshot.png and exits.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

ensure_packages "${PACKAGES[@]}"
configure_and_build

APP="$BUILD_DIR/src/app/daybinder"
CLI="$BUILD_DIR/src/cli/daybinder-cli"
EXAMPLE="$BUILD_DIR/example.cal"
ARGS=()
if "$CLI" demo "$EXAMPLE" >/dev/null 2>&1; then
  ARGS=("$EXAMPLE")
fi

if [ -n "${DISPLAY:-}" ]; then
  exec "$APP" "${ARGS[@]}"
fi

SHOT="$BUILD_DIR/screenshot.png"
export DAYBINDER_CONFIG_HOME="${DAYBINDER_CONFIG_HOME:-$BUILD_DIR/run-config}"
shoot_under_xvfb "$SHOT" "${DAYBINDER_SHOT_DELAY:-5}" "" "$APP" "${ARGS[@]}"
echo "Screenshot saved to $SHOT"

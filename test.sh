#!/usr/bin/env bash
# Installs what is missing, checks the layers of src/, builds, and runs every test (non-zero exit
# status on any failure).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

ensure_packages "${PACKAGES[@]}"
# The folders of src/ stay in layers.
python3 "$ROOT/scripts/check-layers.py"
if [ -n "${CI:-}" ]; then
  configure_and_build -DDAYBINDER_WERROR=ON
else
  configure_and_build
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 300 -j "$(nproc)"

if [ -x "$ROOT/scripts/fuzz.sh" ]; then
  "$ROOT/scripts/fuzz.sh"
fi

#!/usr/bin/env bash
# Builds Daybinder and its Debian package: build/daybinder_<version>_<architecture>.deb.
# The package is made from the build's own objects; cmake/Packaging.cmake says what goes in.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${PACKAGES[@]}"
configure_and_build
rm -f "$BUILD_DIR"/daybinder_*.deb
(cd "$BUILD_DIR" && cpack -G DEB -B "$BUILD_DIR" --config CPackConfig.cmake >cpack.log 2>&1) || {
  tail -n 40 "$BUILD_DIR/cpack.log"
  exit 1
}
ls "$BUILD_DIR"/daybinder_*.deb

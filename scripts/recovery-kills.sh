#!/usr/bin/env bash
# Kills the program with SIGKILL at random moments while entries are being added through a month
# window's menu, then opens every recovery copy left with daybinder-cli: a copy that does not
# open fails the script. Each round starts the program on the same unsaved document and answers
# the offer with "Restaurer", so the copies grow from round to round and are replaced in place.
# Runs on a virtual X server of its own.
#   scripts/recovery-kills.sh [ROUNDS] [--heavy]   (default 30; the program is built when missing)
# With --heavy the document is the benchmarks' heavy year (protected, 12 MiB of pictures), whose
# copy takes long enough to write that kills land in the middle of writes; its edits are the
# alarms that come due, turned off one by one.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ROUNDS="${1:-30}"
HEAVY="${2:-}"
ensure_packages "${PACKAGES[@]}"
[ -x "$BUILD_DIR/src/app/daybinder" ] && [ -x "$BUILD_DIR/src/cli/daybinder-cli" ] ||
  cmake --build "$BUILD_DIR" --target daybinder daybinder-cli
APP="$BUILD_DIR/src/app/daybinder"
CLI="$BUILD_DIR/src/cli/daybinder-cli"

WORK="$(mktemp -d)"
export XDG_STATE_HOME="$WORK/state" DAYBINDER_CONFIG_HOME="$WORK/config"
COPIES="$XDG_STATE_HOME/Daybinder/recovery"
exec 3<> "$WORK/display"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
app=""
cleanup() {
  [ -n "$app" ] && kill -9 "$app" 2>/dev/null || true
  kill "$XVFB" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$WORK/display")"
PASSWORD=()
if [ "$HEAVY" = "--heavy" ]; then
  [ -x "$BUILD_DIR/bench/recovery/bench_recovery" ] || cmake --build "$BUILD_DIR" --target bench_recovery
  "$BUILD_DIR/bench/recovery/bench_recovery" --write "$WORK/demo.cal"
  PASSWORD=(--password secret)
else
  "$CLI" demo "$WORK/demo.cal" --year 2026 >/dev/null
fi

# A window of that exact name, larger than Qt's hidden 1x1 one.
window_shown() {
  local w
  for w in $(xdotool search --name "$1" 2>/dev/null); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q 'Geometry: 1x1' || return 0
  done
  return 1
}

alive() { kill -0 "$app" 2>/dev/null; }

opened=0 unreadable=0 none=0 leftovers=0 edits=0
for round in $(seq "$ROUNDS"); do
  "$APP" "$WORK/demo.cal" >>"$WORK/app.log" 2>&1 &
  app=$!
  for _ in $(seq 100); do window_shown '^Daybinder v' && break; sleep 0.1; done
  if [ "${#PASSWORD[@]}" -gt 0 ]; then
    for _ in $(seq 100); do window_shown '^Daybinder - Mot de passe$' && break; sleep 0.1; done
    xdotool type --delay 20 secret
    xdotool key Return
  fi
  sleep 1
  # The offer of the last round's copy: the default button, "Restaurer".
  for _ in $(seq 60); do
    if window_shown '^Daybinder$'; then xdotool key Return; sleep 1; break; fi
    window_shown 'demo.cal\*?$' && [ "$round" -eq 1 ] && break
    sleep 0.1
  done
  sleep 1
  # Killed somewhere between half a second and six seconds into the edits.
  delay="$(awk -v s="$RANDOM" 'BEGIN { srand(s); printf "%.2f", 0.5 + rand() * 5.5 }')"
  (sleep "$delay"; kill -9 "$app" 2>/dev/null) &
  killer=$!
  while alive; do
    if [ -n "$HEAVY" ]; then
      # The heavy year's alarms come due one after the other: "Ok" turns each off, a change.
      xdotool key Return 2>/dev/null || true
    else
      # The cell of 16 December in the month window in front: its menu, "Ajouter...", a text, OK.
      xdotool mousemove 615 498 click 3 2>/dev/null || true
      sleep 0.3
      xdotool key a 2>/dev/null || true
      sleep 0.5
      xdotool type --delay 5 "Tour $round" 2>/dev/null || true
      xdotool key Return 2>/dev/null || true
    fi
    edits=$((edits + 1))
    sleep "0.$((RANDOM % 8 + 1))"
  done
  wait "$killer" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=""
  found=0
  for copy in "$COPIES"/*.cal; do
    [ -e "$copy" ] || continue
    found=1
    if "$CLI" stream "${PASSWORD[@]}" "$copy" >/dev/null 2>&1; then
      opened=$((opened + 1))
    else
      unreadable=$((unreadable + 1))
      cp "$copy" "/tmp/recovery-kills-unreadable-$round.cal"
      echo "round $round: $copy does not open (kept as /tmp/recovery-kills-unreadable-$round.cal)"
    fi
  done
  [ "$found" -eq 1 ] || none=$((none + 1))
  # No folder yet when the program died before its first copy.
  temporaries="$( (find "$COPIES" -maxdepth 1 -name '.daybinder-save.*' 2>/dev/null || true) | wc -l)"
  leftovers=$((leftovers + temporaries))
  echo "round $round: killed after ${delay}s, copies $(ls "$COPIES" 2>/dev/null | wc -l)"
done

echo "rounds $ROUNDS, edits tried $edits; copies that opened $opened, that did not $unreadable;"
echo "rounds without a copy $none; kills in the middle of a write (its temporary file left) $leftovers"
if [ -z "$HEAVY" ]; then
  echo "entries added that the last copy holds: $("$CLI" stream "$COPIES/demo.cal" 2>/dev/null | grep -ac '^"Tour ' || true)"
fi
[ "$unreadable" -eq 0 ]

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs each for a bounded time, starting from the minimised corpus of a long
# campaign (fuzz/corpus/<target>/, see fuzz/corpus/README.md), a seed corpus written by the
# program itself and the inputs of fuzz/regressions/ (each once made a target fail).
# A crash, a sanitizer report, a leak or a time-out fails the script; the input that caused it is
# kept in build-fuzz/artifacts/. Without clang it says so and succeeds.
#   DAYBINDER_FUZZ_SECONDS       seconds per target (default 30)
#   DAYBINDER_FUZZ_ICS_SECONDS   seconds for the iCalendar importer (default 5: libical is not
#                                instrumented, so longer runs find little more)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FUZZ_DIR="${DAYBINDER_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
SECONDS_EACH="${DAYBINDER_FUZZ_SECONDS:-30}"
SECONDS_ICS="${DAYBINDER_FUZZ_ICS_SECONDS:-5}"

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz.sh: clang++ not found; fuzzing skipped"
  exit 0
fi

if [ ! -f "$FUZZ_DIR/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$FUZZ_DIR" -G Ninja -DDAYBINDER_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$FUZZ_DIR" --parallel 2

SEEDS="$FUZZ_DIR/seeds"
rm -rf "$SEEDS"
"$FUZZ_DIR/fuzz/make_fuzz_seeds" "$SEEDS"
mkdir -p "$FUZZ_DIR/artifacts"
# The file target writes each input to a temporary file: in memory, that costs half as much.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

for target in fuzz_stream fuzz_calfile fuzz_icsimport; do
  corpus="$FUZZ_DIR/corpus/$target"
  mkdir -p "$corpus"
  seconds="$SECONDS_EACH"
  if [ "$target" = fuzz_icsimport ]; then seconds="$SECONDS_ICS"; fi
  echo "fuzz.sh: $target for ${seconds}s"
  # libFuzzer stops on a missing corpus folder: pass only those this target has.
  inputs=("$corpus")
  for dir in "$ROOT/fuzz/corpus/$target" "$SEEDS/$target" "$ROOT/fuzz/regressions/$target"; do
    if [ -d "$dir" ]; then inputs+=("$dir"); fi
  done
  if ! "$FUZZ_DIR/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$FUZZ_DIR/artifacts/$target-" "${inputs[@]}" \
      > "$FUZZ_DIR/$target.log" 2>&1; then
    tail -n 60 "$FUZZ_DIR/$target.log"
    echo "fuzz.sh: $target failed; the input is in $FUZZ_DIR/artifacts/"
    exit 1
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$FUZZ_DIR/$target.log" | sed "s/^/  /"
done
echo "fuzz.sh: no crash"

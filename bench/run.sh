#!/usr/bin/env bash
# Builds the benchmark programs and measures the window program against its
# floor, side by side, then prints one table (see docs/performance.md).
#
#   bench/run.sh
#
# Build folders: build/bench-host and build/bench-win64. Raw figures of the
# last run: build/bench-win64/results/. Rounds can be changed with
# QUORRITH_BENCH_STARTUP_ROUNDS and QUORRITH_BENCH_GENERATE_ROUNDS.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
HOST="$ROOT/build/bench-host"
WIN="$ROOT/build/bench-win64"
RESULTS="$WIN/results"
STARTUP_ROUNDS="${QUORRITH_BENCH_STARTUP_ROUNDS:-40}"
GENERATE_ROUNDS="${QUORRITH_BENCH_GENERATE_ROUNDS:-60}"
JOBS="$(nproc)"

step() { echo "== $*" >&2; }

step "host build"
cmake -S "$ROOT" -B "$HOST" -DQUORRITH_BENCH=ON -DQUORRITH_TESTS=OFF >/dev/null
cmake --build "$HOST" -j "$JOBS" >/dev/null
mkdir -p "$RESULTS"
DOCUMENT="$HOST/startup_document.plist"
DOCUMENT_BYTES="$("$HOST/bench/write_startup_document" "$DOCUMENT")"

step "Windows build"
cmake -S "$ROOT" -B "$WIN" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DQUORRITH_BENCH=ON -DQUORRITH_TESTS=OFF -DQUORRITH_BENCH_DOCUMENT="$DOCUMENT" >/dev/null
cmake --build "$WIN" -j "$JOBS" >/dev/null

step "host micro-benchmarks"
"$HOST/bench/quorrith_micro_benchmarks" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.2 --benchmark_out="$RESULTS/micro.json" --benchmark_out_format=json \
  >"$RESULTS/micro.txt" 2>&1

step "footprint"
STRIP=x86_64-w64-mingw32-strip
OBJDUMP=x86_64-w64-mingw32-objdump
# The programs run from a folder of their own, writable by the user that runs
# Wine, since the program writes its settings file beside itself.
SCRATCH="$(mktemp -d "${TMPDIR:-/tmp}/quorrith-bench.XXXXXX")"
trap 'rm -rf "$SCRATCH"' EXIT
cp "$WIN/ui/Quorrith.exe" "$WIN/bench/quorrith_floor.exe" "$WIN/bench/quorrith_empty_window.exe" \
  "$WIN/bench/bench_harness.exe" "$SCRATCH/"
for exe in Quorrith quorrith_floor quorrith_empty_window; do
  "$STRIP" "$SCRATCH/$exe.exe"
done
imports() { "$OBJDUMP" -p "$1" | awk '/DLL Name:/ {print $3}' | paste -sd ' '; }
{
  echo "document_bytes=$DOCUMENT_BYTES"
  echo "quorrith_bytes=$(stat -c %s "$SCRATCH/Quorrith.exe")"
  echo "floor_bytes=$(stat -c %s "$SCRATCH/quorrith_floor.exe")"
  echo "empty_bytes=$(stat -c %s "$SCRATCH/quorrith_empty_window.exe")"
  echo "quorrith_imports=$(imports "$SCRATCH/Quorrith.exe")"
  echo "floor_imports=$(imports "$SCRATCH/quorrith_floor.exe")"
} >"$RESULTS/footprint.txt"

step "Wine: start-up ($STARTUP_ROUNDS rounds) and generation ($GENERATE_ROUNDS rounds)"
WINE_PART="
  set -e
  cd '$SCRATCH'
  # A Wine prefix of the bench's own, so that no other Wine session shares
  # its wineserver or desktop while the figures are taken.
  export QUORRITH_WINE_HOME=\"/var/tmp/quorrith-bench-wine-\$(id -u)\"
  source '$ROOT/scripts/wine-session.sh'
  wine_session_start >&2
  trap wine_session_stop EXIT
  wine bench_harness.exe startup $STARTUP_ROUNDS 2 \
    Quorrith.exe QuorrithMainWindow quorrith_floor.exe QuorrithFloorWindow \
    quorrith_empty_window.exe QuorrithEmptyWindow
  wine bench_harness.exe generate $GENERATE_ROUNDS 2 1006 WeeWindowListSetting.plist \
    Quorrith.exe QuorrithMainWindow quorrith_floor.exe QuorrithFloorWindow
"
if [[ $(id -u) -eq 0 ]]; then
  # Wine runs as nobody; everything it needs is readable by that user.
  chmod 755 "$SCRATCH"
  chown -R 65534:65534 "$SCRATCH"
  setpriv --reuid=65534 --regid=65534 --clear-groups bash -c "$WINE_PART" >"$RESULTS/harness.txt"
else
  bash -c "$WINE_PART" >"$RESULTS/harness.txt"
fi

step "table"
echo "Run of $(date -u '+%Y-%m-%d %H:%M UTC'): $(nproc) cores, Debian $(cat /etc/debian_version 2>/dev/null || echo '?'), \
$(wine --version 2>/dev/null | head -1), Xvfb ${QUORRITH_SCREEN:-1024x768}"
python3 "$ROOT/bench/summarise.py" --harness "$RESULTS/harness.txt" --micro "$RESULTS/micro.json" \
  --footprint "$RESULTS/footprint.txt" | tee "$RESULTS/table.md"

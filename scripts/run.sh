#!/usr/bin/env bash
# Builds Quorrith.exe and starts it: on Windows-less Linux under Wine with the
# Chinese code page, on the desktop you have (DISPLAY), or in a virtual X
# display when you ask for one with --xvfb (it takes a screenshot and ends).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"

bash scripts/install-deps.sh
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >build/win64.configure.log 2>&1 \
  || { cat build/win64.configure.log; exit 1; }
cmake --build build/win64 --target Quorrith -j "$(nproc)" >build/win64.build.log 2>&1 \
  || { grep -E 'error|Error' build/win64.build.log; exit 1; }
EXE="$ROOT/build/win64/ui/Quorrith.exe"
echo "built $EXE"

if [[ "${1:-}" == "--xvfb" ]]; then
  export QUORRITH_WINE_HOME="${QUORRITH_WINE_HOME:-/var/tmp/quorrith-wine-run-$(id -u)}"
  source scripts/wine-session.sh
  wine_session_start
  trap wine_session_stop EXIT
  wine "$EXE" &
  sleep 5
  import -window root build/quorrith-xvfb.png
  echo "screenshot of the virtual display: build/quorrith-xvfb.png"
  exit 0
fi

if [[ -z "${DISPLAY:-}" ]]; then
  echo "No display: Quorrith is a desktop program. Run this from a graphical session" >&2
  echo "(or with ssh -X), or use '$0 --xvfb' for a virtual display and a screenshot." >&2
  exit 2
fi
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all
exec wine "$EXE"

#!/usr/bin/env bash
# Installs what is missing, builds for the Linux host (plain and with
# AddressSanitizer + UndefinedBehaviorSanitizer) and for 64-bit Windows, and
# runs every test: the host ones with ctest, the Windows ones under Wine with
# code page 936, in a private X display, as an unprivileged user.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"
JOBS="$(nproc)"
started=$SECONDS

bash scripts/install-deps.sh

configure_and_build() {  # folder, cmake arguments...
  local folder="$1"
  shift
  cmake -S "$ROOT" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$folder.configure.log" 2>&1 \
    || { cat "$folder.configure.log"; return 1; }
  cmake --build "$folder" -j "$JOBS" >"$folder.build.log" 2>&1 \
    || { grep -E 'error|Error' "$folder.build.log" | head -40; return 1; }
}

mkdir -p build
echo "== host build and tests"
configure_and_build build/host
ctest --test-dir build/host --output-on-failure

if [[ $(id -u) -eq 0 ]]; then
  # Root may write any file; the read-only cases need an ordinary user.
  echo "== host command-line tests as an unprivileged user"
  setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/tmp build/host/cli/cli_tests --gtest_brief=1
fi

echo "== host tests with AddressSanitizer and UndefinedBehaviorSanitizer"
configure_and_build build/host-sanitized -DQUORRITH_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/host-sanitized --output-on-failure

echo "== Windows x86-64 build"
configure_and_build build/win64 -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake"

echo "== Windows tests under Wine"
bash scripts/run-windows-tests.sh build/win64

# The 32-bit build comes from the same sources. Its programs cannot be run
# here: this machine's kernel does not execute 32-bit code, so 32-bit Wine
# cannot start. What can be checked without running it, is.
echo "== Windows x86 (32-bit) build"
configure_and_build build/win32 -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-i686.cmake" -DQUORRITH_TESTS=OFF
/usr/bin/python3 tests/windows/check_executable.py build/win32/ui/Quorrith.exe \
  i686-w64-mingw32-objdump i686-w64-mingw32-windres

echo "== all tests passed in $((SECONDS - started)) s"

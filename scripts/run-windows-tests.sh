#!/usr/bin/env bash
# Runs a Windows build's tests under Wine. As root, it prepares the folders
# that only root can make (one the test user may not write to, a full file
# system), then runs the tests as the unprivileged user 'nobody', so that
# read-only files and folders behave as they do on Windows.
#   usage: scripts/run-windows-tests.sh BUILD_FOLDER [CTEST_ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"
BUILD="$(cd "$1" && pwd)"
shift

FIXTURES="$(mktemp -d /tmp/quorrith-fixtures.XXXXXX)"
chmod 755 "$FIXTURES"
TEST_UID=65534
cleanup() {
  mountpoint -q "$FIXTURES/full" 2>/dev/null && umount "$FIXTURES/full"
  rm -rf "$FIXTURES"
}
trap cleanup EXIT

windows_path() { echo "Z:${1//\//\\}"; }

mkdir -p "$FIXTURES/scratch" "$FIXTURES/drive" "$FIXTURES/shots"
export QUORRITH_TEST_TMP="$(windows_path "$FIXTURES/scratch")"
export QUORRITH_SCREENSHOT="$(windows_path "$FIXTURES/shots/startup.bmp")"
export QUORRITH_DRIVE_FOLDER="$FIXTURES/drive"
export QUORRITH_TEST_DRIVE="Q:"

if [[ $(id -u) -eq 0 ]]; then
  # A folder the test user may read but not write, with an earlier file in it.
  mkdir -p "$FIXTURES/locked"
  echo "earlier settings" >"$FIXTURES/locked/WeeWindowListSetting.plist"
  chmod 755 "$FIXTURES/locked"
  export QUORRITH_TEST_LOCKED_DIR="$(windows_path "$FIXTURES/locked")"

  # A tiny file system, filled up but for an earlier file.
  mkdir -p "$FIXTURES/full"
  if mount -t tmpfs -o size=16k,mode=755 quorrith-full "$FIXTURES/full" 2>/dev/null; then
    echo "earlier settings" >"$FIXTURES/full/WeeWindowListSetting.plist"
    dd if=/dev/zero of="$FIXTURES/full/filler" bs=1k count=64 2>/dev/null || true
    chown -R "$TEST_UID" "$FIXTURES/full"
    export QUORRITH_TEST_FULL_DIR="$(windows_path "$FIXTURES/full")"
  else
    echo "note: cannot mount a small tmpfs here; the full-disk test is skipped"
  fi
  chown -R "$TEST_UID" "$FIXTURES/scratch" "$FIXTURES/drive" "$FIXTURES/shots"
  # ctest keeps its logs in the build folder.
  mkdir -p "$BUILD/Testing"
  chown -R "$TEST_UID" "$BUILD/Testing"
  RUN_AS=(setpriv --reuid="$TEST_UID" --regid="$TEST_UID" --clear-groups)
else
  echo "note: not root; the Windows tests run as $(id -un) and the locked-folder and full-disk tests are skipped"
  RUN_AS=()
fi

"${RUN_AS[@]}" env -u XAUTHORITY -u DISPLAY bash -c '
  set -euo pipefail
  source "$1/scripts/wine-session.sh"
  wine_session_start
  trap wine_session_stop EXIT
  # A spare drive letter whose root is a folder of our own.
  ln -sfn "$QUORRITH_DRIVE_FOLDER" "$WINEPREFIX/dosdevices/q:"
  # The usual 96 DPI, whatever an interrupted earlier run left behind.
  wine reg delete "HKCU\\Control Panel\\Desktop" /v LogPixels /f >/dev/null 2>&1 || true
  wineserver -w
  ctest --test-dir "$2" --output-on-failure --timeout 900 "${@:3}"

  # The window and its files again on a Western system (code page 1252):
  # the Chinese texts must come out the same.
  LANG=C.UTF-8 LC_ALL=C.UTF-8 QUORRITH_EXPECT_ACP=1252 QUORRITH_EXE="$2/ui/Quorrith.exe" \
    wine "$2/tests/windows/e2e_tests.exe" --gtest_brief=1 \
    --gtest_filter="DisplayLanguage.*:StartUp.*:Generate.*:Moves.*:GenerateElsewhere.*"

  # Once more at 150 % display scale (144 DPI): the layout scales with it.
  wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
  wineserver -w
  QUORRITH_EXPECT_DPI=144 QUORRITH_SCREENSHOT="${QUORRITH_SCREENSHOT%.bmp}-144dpi.bmp" \
    QUORRITH_EXE="$2/ui/Quorrith.exe" \
    wine "$2/tests/windows/e2e_tests.exe" --gtest_filter="ScaledDisplay.*" --gtest_brief=1
  wine reg delete "HKCU\\Control Panel\\Desktop" /v LogPixels /f >/dev/null 2>&1 || true
  wineserver -w
' bash "$ROOT" "$BUILD" "$@"

# The start-up screenshots, for the README.
for shot in startup startup-144dpi; do
  if [[ -s "$FIXTURES/shots/$shot.bmp" ]] && command -v convert >/dev/null; then
    convert "$FIXTURES/shots/$shot.bmp" -strip "$ROOT/docs/window-$shot.png"
    echo "screenshot: docs/window-$shot.png"
  fi
done

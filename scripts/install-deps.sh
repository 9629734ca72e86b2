#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian or Ubuntu machine.
# Idempotent: prints nothing and changes nothing when everything is there.
set -euo pipefail

PACKAGES=(
  cmake make g++ libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 xvfb xdotool imagemagick x11-utils
  locales fonts-wqy-microhei fonts-wine python3 util-linux
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# Root installs directly; anyone else through sudo, asked only when needed.
AS_ROOT=()
if [[ $(id -u) -ne 0 ]]; then
  AS_ROOT=(sudo)
fi

if ((${#missing[@]})); then
  if [[ ${#AS_ROOT[@]} -gt 0 ]] && ! command -v sudo >/dev/null; then
    echo "missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  echo "installing: ${missing[*]}"
  "${AS_ROOT[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null
  "${AS_ROOT[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine needs a Chinese locale so that the ANSI code page is 936 (GBK).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "generating locale zh_CN.UTF-8"
  "${AS_ROOT[@]}" sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen 2>/dev/null || true
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null \
    || echo 'zh_CN.UTF-8 UTF-8' | "${AS_ROOT[@]}" tee -a /etc/locale.gen >/dev/null
  "${AS_ROOT[@]}" locale-gen >/dev/null
  # Ubuntu's locale-gen takes the locale by name instead.
  locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$' || "${AS_ROOT[@]}" locale-gen zh_CN.UTF-8 >/dev/null
fi

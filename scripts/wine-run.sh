#!/usr/bin/env bash
# Runs a Windows program under Wine with the Chinese ANSI code page (936).
# WINEPREFIX and DISPLAY come from the caller.
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: the program needs neither, and their install prompts would block.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
